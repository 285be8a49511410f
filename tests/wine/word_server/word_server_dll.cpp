// The test Word as an in-process server.

#include <windows.h>

#include "test_word_ids.h"
#include "word_server.h"

BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) mochi::testword::SetServerModule(module);
  return TRUE;
}

extern "C" HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID classId, REFIID riid, void** out) {
  *out = nullptr;
  if (classId != mochi::testword::kApplicationClass) return CLASS_E_CLASSNOTAVAILABLE;
  IClassFactory* factory = mochi::testword::NewClassFactory();
  const HRESULT status = factory->QueryInterface(riid, out);
  factory->Release();
  return status;
}

// The stand-in keeps its documents for the life of the process, as Word keeps them open.
extern "C" HRESULT STDAPICALLTYPE DllCanUnloadNow() { return S_FALSE; }

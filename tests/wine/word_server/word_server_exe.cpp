// The test Word as a local server, started by COM: it serves the application class until the
// last object it handed out is released.

#include <windows.h>

#include "test_word_ids.h"
#include "word_server.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  CoInitialize(nullptr);
  mochi::testword::SetServerModule(nullptr);
  IClassFactory* factory = mochi::testword::NewClassFactory();
  DWORD cookie = 0;
  CoRegisterClassObject(mochi::testword::kApplicationClass, factory, CLSCTX_LOCAL_SERVER,
                        REGCLS_MULTIPLEUSE, &cookie);
  // Ends once objects were handed out and all are gone, or after a minute without any.
  bool served = false;
  for (int idle = 0; idle < 600; ++idle) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    if (mochi::testword::LiveObjects() > 0) {
      served = true;
      idle = 0;
    } else if (served) {
      break;
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
  }
  CoRevokeClassObject(cookie);
  factory->Release();
  CoUninitialize();
  return 0;
}

// Activates "Word.Application" out of process once and lets it go: exit status 0 when the
// activation succeeded. The end-to-end tests use it to ready Wine's COM activation.

#include <objbase.h>
#include <windows.h>

int main() {
  CoInitialize(nullptr);
  CLSID classId{};
  IUnknown* application = nullptr;
  const bool made = SUCCEEDED(CLSIDFromProgID(L"Word.Application", &classId)) &&
                    SUCCEEDED(CoCreateInstance(classId, nullptr, CLSCTX_LOCAL_SERVER, IID_IUnknown,
                                               reinterpret_cast<void**>(&application)));
  if (application != nullptr) application->Release();
  CoUninitialize();
  return made ? 0 : 1;
}

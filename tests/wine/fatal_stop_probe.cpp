// Runs the program's fatal-error stop for a main window that failed to load, with the real
// message box and process end, so that the end-to-end tests can read the box and the status.

#include <windows.h>

#include "app/fatal_error.h"
#include "platform/win32/win32_system.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  mochi::platform::Win32Dialogs dialogs;
  mochi::app::FatalErrorStop(
      dialogs, [](int status) { ExitProcess(static_cast<UINT>(status)); }, std::nullopt,
      mochi::app::kWindowLoadFailed);
  return 0;  // not reached: the stop ends the process
}

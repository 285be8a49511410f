#include "platform/win32/win32_system.h"

#include <windows.h>

#include <string>

#include "platform/win32/win32_text.h"

namespace mochi::platform {

LocalDateTime Win32Clock::Now() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return LocalDateTime{now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

std::uint32_t Win32Clock::UptimeMilliseconds() { return GetTickCount(); }

void Win32Dialogs::ShowMessage(std::string_view text, std::string_view title,
                               MessageBoxStyle style) {
  UINT flags = MB_OK | (style.taskModal ? MB_TASKMODAL : MB_APPLMODAL);
  if (style.icon == MessageIcon::Error) flags |= MB_ICONERROR;
  MessageBoxW(nullptr, WideFromGbk(text).c_str(), WideFromGbk(title).c_str(), flags);
}

void Win32Processes::StartCommandLine(std::string_view commandLine,
                                      unsigned waitReadyMilliseconds) {
  // CreateProcessW may write into the command line, so it gets a copy of its own.
  std::wstring line = WideFromGbk(commandLine);
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &started)) {
    return;
  }
  WaitForInputIdle(started.hProcess, waitReadyMilliseconds);
  CloseHandle(started.hThread);
  CloseHandle(started.hProcess);
}

}  // namespace mochi::platform

// Stands in for explorer.exe beside mochi.exe in the end-to-end tests: appends its whole
// command line (UTF-8) as one line to explorer-calls.txt beside itself.

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring log(path);
  log = log.substr(0, log.find_last_of(L'\\') + 1) + L"explorer-calls.txt";
  const wchar_t* line = GetCommandLineW();
  const int size = WideCharToMultiByte(CP_UTF8, 0, line, -1, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(size > 0 ? size - 1 : 0), '\0');
  WideCharToMultiByte(CP_UTF8, 0, line, -1, utf8.data(), size, nullptr, nullptr);
  std::ofstream(std::filesystem::path(log), std::ios::binary | std::ios::app) << utf8 << "\n";
  return 0;
}

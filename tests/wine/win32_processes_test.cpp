#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "platform/win32/win32_system.h"

namespace mochi::platform {
namespace {

std::string TempPath(const char* name) {
  char folder[MAX_PATH];
  GetTempPathA(MAX_PATH, folder);
  return std::string(folder) + name;
}

bool WaitForFile(const std::string& path) {
  for (int i = 0; i < 200; ++i) {
    if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) return true;
    Sleep(50);
  }
  return false;
}

TEST(Win32ProcessesTest, AWholeCommandLineIsStartedThroughTheSystemSearch) {
  const std::string marker = TempPath("mochi_started.txt");
  DeleteFileA(marker.c_str());
  // No program path: the system finds cmd.exe on its search path.
  Win32Processes().StartCommandLine("cmd.exe /c echo started> " + marker, 1000);
  EXPECT_TRUE(WaitForFile(marker));
  Sleep(200);
  DeleteFileA(marker.c_str());
}

}  // namespace
}  // namespace mochi::platform

#include <windows.h>

#include <string>

#include "native_platform.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_text.h"

namespace mochi::testing {

NativeFiles::NativeFiles() : files_(std::make_unique<platform::Win32FileSystem>()) {
  static int serial = 0;
  folder_ =
      std::filesystem::temp_directory_path() /
      ("mochi-test-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++serial));
  std::filesystem::create_directories(folder_);
}

NativeFiles::~NativeFiles() {
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
}

std::string NativeFiles::ProgramPath(std::string_view fileName) const {
  return (folder_ / std::string(fileName)).string();
}

std::filesystem::path NativeFiles::NativePath(std::string_view programPath) const {
  return std::filesystem::path(std::string(programPath));
}

std::unique_ptr<platform::TextCodec> MakeNativeTextCodec() {
  return std::make_unique<platform::Win32TextCodec>();
}

}  // namespace mochi::testing

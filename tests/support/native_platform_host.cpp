#include <stdlib.h>

#include <string>

#include "native_platform.h"
#include "platform/host/host_files.h"
#include "platform/host/host_text.h"

namespace mochi::testing {

NativeFiles::NativeFiles() {
  std::string pattern = (std::filesystem::temp_directory_path() / "mochi-test-XXXXXX").string();
  folder_ = ::mkdtemp(pattern.data());
  files_ = std::make_unique<platform::HostFileSystem>(folder_);
}

NativeFiles::~NativeFiles() {
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
}

std::string NativeFiles::ProgramPath(std::string_view fileName) const {
  return "c:\\windows\\" + std::string(fileName);
}

std::filesystem::path NativeFiles::NativePath(std::string_view programPath) const {
  return static_cast<platform::HostFileSystem&>(*files_).HostPath(programPath);
}

std::unique_ptr<platform::TextCodec> MakeNativeTextCodec() {
  return std::make_unique<platform::HostTextCodec>();
}

}  // namespace mochi::testing

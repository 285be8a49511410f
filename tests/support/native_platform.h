#pragma once
// The platform's real text codec, and its real file system for tests, each test with a fresh
// folder of its own: on the host "c:\windows\" maps to it; under Windows (Wine) it is a new
// folder in the temporary folder, and "c:\windows\" paths are the prefix's real ones.

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "platform/files.h"
#include "platform/text.h"

namespace mochi::testing {

class NativeFiles {
 public:
  NativeFiles();
  ~NativeFiles();
  platform::FileSystem& files() { return *files_; }
  // The program path of a file in the test's own folder.
  std::string ProgramPath(std::string_view fileName) const;
  // Where a program path such as "c:\windows\zi1.txt" lives on this machine.
  std::filesystem::path NativePath(std::string_view programPath) const;

 private:
  std::unique_ptr<platform::FileSystem> files_;
  std::filesystem::path folder_;
};

// The platform's GBK codec: iconv on the host, code page 936 under Windows.
std::unique_ptr<platform::TextCodec> MakeNativeTextCodec();

}  // namespace mochi::testing

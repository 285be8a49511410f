#pragma once
// Files under "c:\windows\" with a way out: since Windows Vista a standard user may not write
// there. When such a write fails, the file of the same name is written to the user's temporary
// folder instead, and that copy is used from then on: the list files are read back from it and
// Word is handed its path. Where the system folder is writable nothing changes.

#include <map>
#include <string>

#include "platform/win32/win32_files.h"

namespace mochi::platform {

class Win32FallbackFileSystem final : public FileSystem {
 public:
  // fallbackFolder: GBK, ending in a backslash; the user's temporary folder when empty.
  explicit Win32FallbackFileSystem(std::string fallbackFolder = {});

  bool WriteWholeFile(std::string_view path, std::span<const char> bytes) override;
  std::unique_ptr<OpenFile> OpenExisting(std::string_view path) override;
  std::string PathInUse(std::string_view path) override;

 private:
  Win32FileSystem files_;
  std::string fallbackFolder_;
  std::map<std::string, std::string, std::less<>> movedFiles_;  // program path -> fallback path
};

}  // namespace mochi::platform

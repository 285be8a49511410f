#pragma once
// Files through CreateFileW: a whole-file write creates or empties the file and shares it with
// nobody while it is written; an open takes an existing file for reading and writing, shared
// for reading and writing.

#include "platform/files.h"

namespace mochi::platform {

class Win32FileSystem final : public FileSystem {
 public:
  bool WriteWholeFile(std::string_view path, std::span<const char> bytes) override;
  std::unique_ptr<OpenFile> OpenExisting(std::string_view path) override;
};

}  // namespace mochi::platform

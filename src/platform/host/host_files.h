#pragma once
// Files on a POSIX system. The program's folder "c:\windows\" (in any case) stands for a root
// folder given at construction; other paths are used as they are. Windows' sharing is modelled
// with flock: an open file holds a shared lock, and a whole-file write needs the exclusive one,
// so a file held open by anyone cannot be rewritten, as on Windows.

#include <filesystem>
#include <string>

#include "platform/files.h"

namespace mochi::platform {

class HostFileSystem final : public FileSystem {
 public:
  explicit HostFileSystem(std::filesystem::path windowsFolder);

  bool WriteWholeFile(std::string_view path, std::span<const char> bytes) override;
  std::unique_ptr<OpenFile> OpenExisting(std::string_view path) override;

  // The host path that a program path maps to.
  std::filesystem::path HostPath(std::string_view path) const;

 private:
  std::filesystem::path windowsFolder_;
};

}  // namespace mochi::platform

#pragma once
// The file system as the program needs it. Paths are GBK texts as the program knows them
// ("c:\windows\zi1.txt"); each platform maps them to its own files.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace mochi::platform {

// A file opened for reading and writing, read at explicit positions.
class OpenFile {
 public:
  virtual ~OpenFile() = default;
  // The file's length in bytes now.
  virtual std::uint64_t Size() = 0;
  // Reads up to out.size() bytes starting at position; returns how many were read
  // (0 at the end of the file or on a read error).
  virtual std::size_t ReadAt(std::uint64_t position, std::span<char> out) = 0;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // Creates the file, or empties it if it exists, and writes bytes to it. Nobody else may open
  // the file while it is written. Returns false when the file could not be written whole.
  virtual bool WriteWholeFile(std::string_view path, std::span<const char> bytes) = 0;
  // Opens an existing file for reading and writing, shared with other openers for reading and
  // writing. Returns nullptr when there is no such file or it cannot be opened so.
  virtual std::unique_ptr<OpenFile> OpenExisting(std::string_view path) = 0;
  // The path under which the file written last as `path` can be found by other programs. It
  // differs from `path` only where a platform had to put the file elsewhere (Windows, when the
  // system folder is not writable).
  virtual std::string PathInUse(std::string_view path) { return std::string(path); }
};

}  // namespace mochi::platform

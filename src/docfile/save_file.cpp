#include "docfile/save_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace mochi::docfile {

namespace {

namespace fs = std::filesystem;

SaveResult Failure(const std::string& path, const std::string& reason) {
  return {false, "cannot write " + path + ": " + reason};
}

}  // namespace

SaveResult SaveFileAtomically(const std::string& path, std::string_view bytes) {
  // The rename replaces whatever has the name: write beside the file a link points at, so the
  // link stays; and never replace a device, pipe or folder with a file.
  std::error_code error;
  fs::path target(path);
  if (fs::is_symlink(fs::symlink_status(target, error))) {
    target = fs::weakly_canonical(target, error);
    if (error) return Failure(path, error.message());
  }
  const fs::file_status status = fs::status(target, error);
  if (fs::exists(status) && !fs::is_regular_file(status)) {
    return Failure(path, "not a regular file");
  }

  const fs::path temporary(target.string() + ".tmp");
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (out) {
      out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
      out.close();
    }
    if (!out) {
      const std::string reason = errno != 0 ? std::strerror(errno) : "write failed";
      fs::remove(temporary, error);
      return Failure(path, reason);
    }
  }
  fs::rename(temporary, target, error);
  if (error) {
    const std::string reason = error.message();
    fs::remove(temporary, error);
    return Failure(path, reason);
  }
  return {true, ""};
}

}  // namespace mochi::docfile

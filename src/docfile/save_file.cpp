#include "docfile/save_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace mochi::docfile {

SaveResult SaveFileAtomically(const std::string& path, std::string_view bytes) {
  namespace fs = std::filesystem;
  const fs::path target(path);
  const fs::path temporary(path + ".tmp");
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (out) {
      out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
      out.close();
    }
    if (!out) {
      const std::string reason = std::strerror(errno);
      std::error_code ignored;
      fs::remove(temporary, ignored);
      return {false, "cannot write " + path + ": " + reason};
    }
  }
  std::error_code error;
  fs::rename(temporary, target, error);
  if (error) {
    std::error_code ignored;
    fs::remove(temporary, ignored);
    return {false, "cannot write " + path + ": " + error.message()};
  }
  return {true, ""};
}

}  // namespace mochi::docfile

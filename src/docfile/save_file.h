#pragma once
// Saving a whole file so that readers never see it half written.

#include <string>
#include <string_view>

namespace mochi::docfile {

struct SaveResult {
  bool ok = false;
  std::string error;  // one line, when not ok
};

// Writes bytes to a temporary file beside path, then renames it to path, replacing any file
// there. On failure the temporary file is removed and path is left as it was.
SaveResult SaveFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace mochi::docfile

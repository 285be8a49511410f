#pragma once
// Reads an open list file as lines: a line ends at LF, which is consumed; one CR before the LF
// is dropped; the bytes after the last LF form a last line; a final CR LF starts no line.

#include <string>
#include <vector>

#include "platform/files.h"

namespace mochi::lists {

// All lines of the file from its start. A missing file (nullptr) has no lines.
std::vector<std::string> ReadLines(platform::OpenFile* file);

}  // namespace mochi::lists

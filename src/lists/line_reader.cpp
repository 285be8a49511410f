#include "lists/line_reader.h"

#include <array>

namespace mochi::lists {

std::vector<std::string> ReadLines(platform::OpenFile* file) {
  std::vector<std::string> lines;
  if (file == nullptr) return lines;

  // The file is read in blocks; `pending` holds the part of a line read so far.
  std::array<char, 4096> block{};
  std::uint64_t position = 0;
  std::string pending;
  bool inLine = false;
  for (;;) {
    const std::size_t got = file->ReadAt(position, block);
    if (got == 0) break;
    position += got;
    for (std::size_t i = 0; i < got; ++i) {
      const char byte = block[i];
      if (byte != '\n') {
        pending.push_back(byte);
        inLine = true;
        continue;
      }
      if (!pending.empty() && pending.back() == '\r') pending.pop_back();
      lines.push_back(std::move(pending));
      pending.clear();
      inLine = false;
    }
  }
  if (inLine) {
    // The last line ends at the end of the file; a CR at its end is a line end cut short.
    if (pending.back() == '\r') pending.pop_back();
    lines.push_back(std::move(pending));
  }
  return lines;
}

}  // namespace mochi::lists

#include "lists/line_reader.h"

#include <array>
#include <string_view>

namespace mochi::lists {

std::vector<std::string> ReadLines(platform::OpenFile* file) {
  std::vector<std::string> lines;
  if (file == nullptr) return lines;

  // The file is read in blocks; `pending` holds the part of a line read so far.
  std::array<char, 16384> block{};
  std::uint64_t position = 0;
  std::string pending;
  bool inLine = false;
  for (std::size_t got; (got = file->ReadAt(position, block)) > 0;) {
    position += got;
    std::string_view rest(block.data(), got);
    for (std::size_t end; (end = rest.find('\n')) != std::string_view::npos;) {
      pending.append(rest.substr(0, end));
      if (!pending.empty() && pending.back() == '\r') pending.pop_back();
      lines.push_back(std::move(pending));
      pending.clear();
      rest.remove_prefix(end + 1);
    }
    pending.append(rest);
    inLine = !pending.empty();
  }
  if (inLine) {
    // The last line ends at the end of the file; a CR at its end is a line end cut short.
    if (pending.back() == '\r') pending.pop_back();
    lines.push_back(std::move(pending));
  }
  return lines;
}

}  // namespace mochi::lists

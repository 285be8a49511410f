#include "worksheet/gbk_search.h"

namespace mochi::worksheet {

namespace {

bool IsLeadByte(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte >= 0x81 && byte <= 0xFE;
}

}  // namespace

int FindGbk(std::string_view text, std::string_view what) {
  if (what.empty()) return -1;
  for (std::size_t i = 0; i + what.size() <= text.size();) {
    if (text.substr(i, what.size()) == what) return static_cast<int>(i) + 1;
    i += IsLeadByte(text[i]) && i + 1 < text.size() ? 2 : 1;
  }
  return -1;
}

}  // namespace mochi::worksheet

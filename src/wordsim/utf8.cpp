#include "wordsim/utf8.h"

namespace mochi::wordsim {

namespace {

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c < 0xDC00; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c < 0xE000; }

bool IsWide(char16_t c) {
  return (c >= 0x1100 && c < 0x1160) || (c >= 0x2E80 && c < 0xA4D0) ||
         (c >= 0xAC00 && c < 0xD7A4) || (c >= 0xF900 && c < 0xFB00) ||
         (c >= 0xFE30 && c < 0xFE50) || (c >= 0xFF00 && c < 0xFF61) || (c >= 0xFFE0 && c < 0xFFE7);
}

}  // namespace

std::string Utf8FromUtf16(std::u16string_view text) {
  std::string out;
  out.reserve(text.size() * 3);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (IsHighSurrogate(c) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      AppendUtf8(out, 0x10000 + ((char32_t{c} - 0xD800) << 10) + (text[i + 1] - 0xDC00));
      ++i;
    } else if (IsHighSurrogate(c) || IsLowSurrogate(c)) {
      AppendUtf8(out, 0xFFFD);
    } else {
      AppendUtf8(out, c);
    }
  }
  return out;
}

int DisplayWidth(std::u16string_view text) {
  int width = 0;
  for (const char16_t c : text) {
    if (IsLowSurrogate(c)) continue;
    width += IsHighSurrogate(c) || IsWide(c) ? 2 : 1;
  }
  return width;
}

}  // namespace mochi::wordsim

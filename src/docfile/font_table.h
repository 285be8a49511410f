#pragma once
// The font table (SttbfFfn): one FFN record per font, referred to by its index.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace mochi::docfile {

enum class FontFamily : std::uint8_t { DontCare = 0, Roman = 1, Swiss = 2, Modern = 3 };
enum class FontPitch : std::uint8_t { Default = 0, Fixed = 1, Variable = 2 };

struct Font {
  std::u16string name;
  std::u16string alternativeName;  // empty for none
  FontFamily family;
  FontPitch pitch;
  std::uint8_t charset;  // 0 ANSI, 2 symbol, 134 GB2312
  std::array<std::uint8_t, 10> panose;
  std::uint32_t codePages;  // the first code-page bit field of the font signature
};

std::string WriteFontTable(const std::vector<Font>& fonts);

}  // namespace mochi::docfile

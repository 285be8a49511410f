#pragma once
// The style sheet (STSH): a fixed header, then one slot per style index. Slots without a style
// are written empty; built-in styles are known to Word by their sti, whatever their stored name.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace mochi::docfile {

enum class StyleKind : std::uint16_t { Paragraph = 1, Character = 2 };

inline constexpr std::uint16_t kNoBaseStyle = 0x0FFF;

struct Style {
  std::uint16_t istd;
  std::u16string name;
  std::uint16_t sti;  // built-in style identifier
  StyleKind kind;
  std::uint16_t istdBase;
  std::uint16_t istdNext;
  std::string papx;  // paragraph styles only: paragraph sprms
  std::string chpx;  // character sprms
};

// styles: in ascending istd; slotCount: istd 0 .. slotCount - 1. defaultFonts: the ASCII, East
// Asian and other fonts of text without a font of its own.
std::string WriteStyleSheet(const std::vector<Style>& styles, std::uint16_t slotCount,
                            const std::array<std::uint16_t, 3>& defaultFonts);

}  // namespace mochi::docfile

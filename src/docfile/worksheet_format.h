#pragma once
// The worksheet's formatting: its fonts, its styles, the properties of its special paragraphs
// and characters, and its page, all taken from the template's layout.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "docfile/font_table.h"
#include "docfile/stylesheet.h"

namespace mochi::docfile::worksheet {

// Style indices.
inline constexpr std::uint16_t kNormalStyle = 0;
inline constexpr std::uint16_t kTitleStyle = 15;
inline constexpr std::uint16_t kStyleSlots = 16;

std::vector<Font> Fonts();
std::vector<Style> Styles();
std::array<std::uint16_t, 3> DefaultFonts();

// Character properties.
std::string AnchorChpx();                  // a drawn-object anchor
std::string TitleMarkChpx();               // the title paragraph's mark, and the title typed there
std::string BoxFirstMarkChpx(int column);  // a box's first paragraph mark, and text typed there

// Paragraph properties (without the style index).
std::string CentredPapx();
std::string BoxFirstParagraphPapx(int column);

// The section: page size, margins, header and footer distances, document grid.
std::string SectionSprms();

}  // namespace mochi::docfile::worksheet

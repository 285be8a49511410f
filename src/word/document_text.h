#pragma once
// What has been typed into a document made from the worksheet template: text in the main-text
// paragraphs and in the two paragraphs of each writing box. The template's own structure (the
// anchors, the line breaks of the closing paragraph, the drawn boxes) is not repeated here; it
// comes from template_layout.h. Texts are UTF-16, as Word holds them.

#include <array>
#include <string>

#include "word/template_layout.h"

namespace mochi::word {

struct DocumentText {
  // Typed text of main-text paragraph p at index p - 1. It stands after the paragraph's fixed
  // content (for the closing paragraph: after its line breaks and anchors).
  std::array<std::u16string, layout::kMainParagraphs> paragraphs;
  // Typed text of the first and second paragraph of box b (reading order, 1 to 156) at index
  // b - 1.
  std::array<std::array<std::u16string, 2>, layout::kBoxes> boxes;
};

}  // namespace mochi::word

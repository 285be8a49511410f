#pragma once
// A writing box of the grid as the drawing structures see it: where its anchor stands in the
// main text and which row and column it draws. Boxes are listed in anchor (text) order; the
// text-box story range of the i-th box in that order is range i.

#include <cstdint>

#include "word/template_layout.h"

namespace mochi::docfile {

struct DrawnBox {
  std::uint32_t anchorCp;
  int row;     // 1 to 13
  int column;  // 1 to 12
};

// Shape identifiers, all in the first cluster of 1024 ids, allocated in drawing order: the
// drawing's top group, its background shape, then each box's group followed by its text box
// and its two guide lines.
inline constexpr std::uint32_t kPatriarchShapeId = 1024;
inline constexpr std::uint32_t kBackgroundShapeId = 1025;
inline constexpr std::uint32_t kShapesPerBox = 4;
constexpr std::uint32_t GroupShapeId(const DrawnBox& box) {
  return 1026 + kShapesPerBox * (word::layout::BoxNumber(box.row, box.column) - 1);
}
constexpr std::uint32_t TextBoxShapeId(const DrawnBox& box) { return GroupShapeId(box) + 1; }

}  // namespace mochi::docfile

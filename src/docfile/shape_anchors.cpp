#include "docfile/shape_anchors.h"

#include "docfile/byte_writer.h"
#include "docfile/plc.h"

namespace mochi::docfile {

namespace {

namespace layout = word::layout;

// Horizontal position from the text column (bx 2), vertical from the paragraph (by 2), no
// wrapping (wr 3), in front of the text.
constexpr std::uint32_t kAnchorFlags = (2 << 1) | (2 << 3) | (3 << 5);

std::string ShapeAnchor(const DrawnBox& box) {
  const int left = layout::kColumnLeft[box.column - 1];
  ByteWriter out;
  out.U32(GroupShapeId(box));
  out.I32(left);
  out.I32(0);
  out.I32(left + layout::kBoxWidth);
  out.I32(layout::kBoxHeight);
  out.U16(kAnchorFlags);
  out.U32(0);
  return out.Take();
}

}  // namespace

std::string WritePlcSpaMom(const std::vector<DrawnBox>& boxes, std::uint32_t cpEnd) {
  std::vector<std::uint32_t> positions;
  std::vector<std::string> anchors;
  for (const DrawnBox& box : boxes) {
    positions.push_back(box.anchorCp);
    anchors.push_back(ShapeAnchor(box));
  }
  positions.push_back(cpEnd);
  return WritePlc(positions, anchors);
}

}  // namespace mochi::docfile

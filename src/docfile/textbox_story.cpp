#include "docfile/textbox_story.h"

#include <cassert>

#include "docfile/byte_writer.h"
#include "docfile/plc.h"

namespace mochi::docfile {

std::string WritePlcftxbxTxt(const std::vector<DrawnBox>& boxes,
                             const std::vector<std::uint32_t>& rangeStarts) {
  assert(rangeStarts.size() == boxes.size() + 2);
  constexpr std::size_t kFtxbxsSize = 22;
  std::vector<std::string> entries;
  for (const DrawnBox& box : boxes) {
    ByteWriter out;
    out.U32(1);  // a chain of one text box
    out.U32(0);
    out.U16(0);  // in use
    out.U32(0xFFFFFFFF);
    out.U32(TextBoxShapeId(box));
    out.U32(0);
    entries.push_back(out.Take());
  }
  entries.emplace_back(kFtxbxsSize, '\0');  // the spare range
  return WritePlc(rangeStarts, entries);
}

std::string WritePlcfTxbxBkd(const std::vector<DrawnBox>& boxes,
                             const std::vector<std::uint32_t>& rangeStarts) {
  assert(rangeStarts.size() == boxes.size() + 2);
  constexpr std::size_t kTbkdSize = 6;
  std::vector<std::string> entries;
  for (std::uint32_t i = 0; i < boxes.size(); ++i) {
    ByteWriter out;
    out.U16(i);  // the text box of range i
    out.U16(0);
    out.U16(0x0800);
    entries.push_back(out.Take());
  }
  entries.emplace_back(kTbkdSize, '\0');
  return WritePlc(rangeStarts, entries);
}

}  // namespace mochi::docfile

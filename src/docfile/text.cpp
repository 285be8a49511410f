#include "docfile/text.h"

#include "docfile/byte_writer.h"
#include "docfile/plc.h"

namespace mochi::docfile {

void TextContent::Append(std::u16string_view characters, std::string_view chpx) {
  if (characters.empty()) return;
  text_.append(characters);
  if (!runs_.empty() && runs_.back().chpx == chpx) {
    runs_.back().cpEnd = cp();
  } else {
    runs_.push_back({cp(), std::string(chpx)});
  }
}

void TextContent::EndParagraph(std::string_view markChpx, std::uint16_t istd,
                               std::string_view papx) {
  Append(std::u16string(1, chars::kParagraphMark), markChpx);
  paragraphs_.push_back({cp(), istd, std::string(papx)});
}

std::string TextBytes(const std::u16string& text) {
  ByteWriter out;
  out.Utf16(text);
  return out.Take();
}

std::string WriteClx(std::uint32_t cpCount, std::uint32_t textFc) {
  // Piece descriptor: flags, fc (bit 30 clear: 16-bit text), no property modifier.
  ByteWriter pcd;
  pcd.U16(0);
  pcd.U32(textFc);
  pcd.U16(0);
  const std::string plcPcd = WritePlc({0, cpCount}, {pcd.Take()});

  ByteWriter clx;
  clx.U8(0x02);  // clxt: the piece table follows
  clx.U32(static_cast<std::uint32_t>(plcPcd.size()));
  clx.Bytes(plcPcd);
  return clx.Take();
}

}  // namespace mochi::docfile

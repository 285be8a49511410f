#include "docfile/font_table.h"

#include "docfile/byte_writer.h"

namespace mochi::docfile {

namespace {

std::string FontRecord(const Font& font) {
  ByteWriter body;
  // prq in bits 0-1, TrueType in bit 2, family in bits 4-6.
  body.U8(static_cast<std::uint32_t>(font.pitch) | 0x04 |
          (static_cast<std::uint32_t>(font.family) << 4));
  body.U16(400);  // weight: regular
  body.U8(font.charset);
  body.U8(font.alternativeName.empty() ? 0 : static_cast<std::uint32_t>(font.name.size()) + 1);
  for (std::uint8_t b : font.panose) body.U8(b);
  body.Zeros(16);  // Unicode subset bits
  body.U32(font.codePages);
  body.U32(0);
  body.Utf16(font.name);
  body.U16(0);
  if (!font.alternativeName.empty()) {
    body.Utf16(font.alternativeName);
    body.U16(0);
  }
  ByteWriter out;
  out.U8(static_cast<std::uint32_t>(body.size()));  // size of the record less one
  out.Bytes(body.bytes());
  return out.Take();
}

}  // namespace

std::string WriteFontTable(const std::vector<Font>& fonts) {
  ByteWriter out;
  out.U16(static_cast<std::uint32_t>(fonts.size()));
  out.U16(0);  // no extra data per font
  for (const Font& font : fonts) out.Bytes(FontRecord(font));
  return out.Take();
}

}  // namespace mochi::docfile

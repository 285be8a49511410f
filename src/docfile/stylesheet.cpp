#include "docfile/stylesheet.h"

#include "docfile/byte_writer.h"

namespace mochi::docfile {

namespace {

// The fixed header (STSHI) in its 18-byte form.
std::string StyleSheetHeader(std::uint16_t slotCount, std::uint16_t istdMaxFixed,
                             const std::array<std::uint16_t, 3>& defaultFonts) {
  ByteWriter out;
  out.U16(slotCount);
  out.U16(10);      // size of each style's base part
  out.U16(0x0001);  // style names are written
  out.U16(0x5B);    // highest sti known to the writer
  out.U16(istdMaxFixed);
  out.U16(0);  // version of the built-in names
  for (std::uint16_t font : defaultFonts) out.U16(font);
  return out.Take();
}

// A property exception (UPX): a size, the properties, then padding to an even length.
void WriteUpx(ByteWriter& out, const std::string& properties) {
  out.U16(static_cast<std::uint32_t>(properties.size()));
  out.Bytes(properties);
  if (properties.size() % 2 == 1) out.Zeros(1);
}

std::string StyleDefinition(const Style& style) {
  ByteWriter upx;
  if (style.kind == StyleKind::Paragraph) {
    ByteWriter istdAndPapx;
    istdAndPapx.U16(style.istd);
    istdAndPapx.Bytes(style.papx);
    WriteUpx(upx, istdAndPapx.Take());
  }
  WriteUpx(upx, style.chpx);
  const std::uint16_t upxCount = style.kind == StyleKind::Paragraph ? 2 : 1;

  ByteWriter name;
  name.U16(static_cast<std::uint32_t>(style.name.size()));
  name.Utf16(style.name);
  name.U16(0);

  const std::size_t size = 10 + name.size() + upx.size();
  ByteWriter out;
  out.U16(style.sti);
  out.U16(static_cast<std::uint16_t>(style.kind) | (style.istdBase << 4));
  out.U16(upxCount | (style.istdNext << 4));
  out.U16(static_cast<std::uint32_t>(size));
  out.U16(0);
  out.Bytes(name.bytes());
  out.Bytes(upx.bytes());
  return out.Take();
}

}  // namespace

std::string WriteStyleSheet(const std::vector<Style>& styles, std::uint16_t slotCount,
                            const std::array<std::uint16_t, 3>& defaultFonts) {
  // Slots 0 to 14 are reserved for fixed built-in styles; user-visible ones follow.
  constexpr std::uint16_t kIstdMaxFixed = 15;
  const std::string header = StyleSheetHeader(slotCount, kIstdMaxFixed, defaultFonts);
  ByteWriter out;
  out.U16(static_cast<std::uint32_t>(header.size()));
  out.Bytes(header);
  auto next = styles.begin();
  for (std::uint16_t istd = 0; istd < slotCount; ++istd) {
    if (next != styles.end() && next->istd == istd) {
      const std::string definition = StyleDefinition(*next++);
      out.U16(static_cast<std::uint32_t>(definition.size()));
      out.Bytes(definition);
    } else {
      out.U16(0);
    }
  }
  return out.Take();
}

}  // namespace mochi::docfile

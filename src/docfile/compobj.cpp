#include "docfile/compobj.h"

#include <string_view>

#include "docfile/byte_writer.h"

namespace mochi::docfile {

namespace {

// A length-prefixed ANSI string, its terminating NUL counted.
void AnsiString(ByteWriter& out, std::string_view text) {
  out.U32(static_cast<std::uint32_t>(text.size() + 1));
  out.Bytes(text);
  out.U8(0);
}

}  // namespace

std::string WriteCompObj() {
  ByteWriter out;
  out.U16(0x0001);
  out.U16(0xFFFE);  // byte order
  out.U32(0x00000A03);
  out.U32(0xFFFFFFFF);
  for (std::uint8_t b : kWordDocumentClsid) out.U8(b);
  AnsiString(out, "Microsoft Word 97-2003 Document");
  AnsiString(out, "MSWordDoc");
  AnsiString(out, "Word.Document.8");
  out.U32(0x71B239F4);  // Unicode names follow: all empty
  out.U32(0);
  out.U32(0);
  out.U32(0);
  return out.Take();
}

}  // namespace mochi::docfile

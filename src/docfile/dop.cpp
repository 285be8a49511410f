#include "docfile/dop.h"

#include "docfile/byte_writer.h"

namespace mochi::docfile {

std::string WriteDop() {
  constexpr std::size_t kDopSize = 500;
  ByteWriter out;
  out.U16(0x0020);  // footnotes at the bottom of the page; no facing pages
  out.U16(0x0004);  // footnotes numbered from 1
  out.U16(0x0800);  // hyphenate words in capitals
  out.U16(0x188C);  // TrueType fonts by default; revision marks shown and printed
  out.U16(0);       // compatibility options
  out.U16(420);     // default tab stop: two 10.5-pt Chinese characters
  out.U16(0);
  out.U16(360);  // hyphenation zone
  out.PadTo(52);
  out.U16(0x0004);  // endnotes numbered from 1
  out.U16(0x0003);  // endnotes at the end of the document
  out.PadTo(kDopSize);
  return out.Take();
}

}  // namespace mochi::docfile

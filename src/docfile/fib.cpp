#include "docfile/fib.h"

#include <cassert>

#include "docfile/byte_writer.h"

namespace mochi::docfile {

namespace {

constexpr std::uint16_t kLidEnglishUs = 0x0409;
constexpr std::uint16_t kLidChinesePrc = 0x0804;
// Legacy page fields point nowhere with this value.
constexpr std::uint32_t kNoPage = 0xFFFFF;

void WriteFibBase(ByteWriter& out, const Fib& fib) {
  out.U16(0xA5EC);  // Word binary document
  out.U16(0x00C1);  // Word 97 format
  out.U16(0);
  out.U16(kLidEnglishUs);
  out.U16(0);  // no AutoText
  // Not a template, not fast-saved; table stream "1Table"; extended characters.
  out.U16(0x12F0);
  out.U16(0x00BF);  // oldest format that can read it
  out.U32(0);       // not encrypted
  out.U8(0);        // made on Windows
  out.U8(0);
  out.U16(0);
  out.U16(0);
  out.U32(fib.textFc);
  out.U32(fib.textEnd);
}

void WriteFibRgW(ByteWriter& out) {
  out.U16(14);
  out.Zeros(13 * 2);
  out.U16(kLidChinesePrc);  // East Asian language
}

void WriteFibRgLw(ByteWriter& out, const Fib& fib) {
  out.U16(22);
  out.U32(fib.streamSize);
  out.Zeros(2 * 4);
  out.U32(fib.ccpText);
  out.Zeros(5 * 4);  // footnotes, headers, macros, comments, endnotes: none
  out.U32(fib.ccpTxbx);
  out.U32(0);  // header text boxes
  out.U32(kNoPage);
  out.U32(fib.firstChpxPage);
  out.U32(fib.chpxPageCount);
  out.U32(kNoPage);
  out.U32(fib.firstPapxPage);
  out.U32(fib.papxPageCount);
  out.U32(kNoPage);
  out.Zeros(4 * 4);
}

}  // namespace

std::string WriteFib(const Fib& fib) {
  ByteWriter out;
  WriteFibBase(out, fib);
  WriteFibRgW(out);
  WriteFibRgLw(out, fib);
  out.U16(kFibPairCount);
  for (const TableLocation& pair : fib.pairs) {
    out.U32(pair.fc);
    out.U32(pair.lcb);
  }
  out.U16(0);  // no newer FIB parts
  assert(out.size() == kFibSize);
  return out.Take();
}

}  // namespace mochi::docfile

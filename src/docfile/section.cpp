#include "docfile/section.h"

#include "docfile/byte_writer.h"
#include "docfile/plc.h"

namespace mochi::docfile {

std::string WriteSepx(const std::string& sectionSprms) {
  ByteWriter out;
  out.U16(static_cast<std::uint32_t>(sectionSprms.size()));
  out.Bytes(sectionSprms);
  return out.Take();
}

std::string WritePlcfSed(std::uint32_t cpEnd, std::uint32_t fcSepx) {
  ByteWriter sed;
  sed.U16(0);
  sed.U32(fcSepx);
  sed.U16(0);
  sed.U32(0xFFFFFFFF);  // no old-format section properties
  return WritePlc({0, cpEnd}, {sed.Take()});
}

}  // namespace mochi::docfile

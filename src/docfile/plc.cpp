#include "docfile/plc.h"

#include <cassert>

#include "docfile/byte_writer.h"

namespace mochi::docfile {

std::string WritePlc(const std::vector<std::uint32_t>& positions,
                     const std::vector<std::string>& elements) {
  assert(positions.size() == elements.size() + 1);
  ByteWriter out;
  for (std::uint32_t position : positions) out.U32(position);
  for (const std::string& element : elements) {
    assert(element.size() == elements.front().size());
    out.Bytes(element);
  }
  return out.Take();
}

}  // namespace mochi::docfile

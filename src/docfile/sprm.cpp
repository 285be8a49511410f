#include "docfile/sprm.h"

#include <cassert>

namespace mochi::docfile {

namespace {

int OperandSize(std::uint16_t opcode) {
  switch (opcode >> 13) {
    case 0:
    case 1:
      return 1;
    case 2:
    case 4:
    case 5:
      return 2;
    case 3:
      return 4;
    case 7:
      return 3;
    default:
      assert(false && "variable-length sprms are not written");
      return 0;
  }
}

}  // namespace

Grpprl& Grpprl::Add(std::uint16_t opcode, std::uint32_t operand) {
  bytes_.push_back(static_cast<char>(opcode & 0xFF));
  bytes_.push_back(static_cast<char>(opcode >> 8));
  for (int i = 0; i < OperandSize(opcode); ++i) {
    bytes_.push_back(static_cast<char>((operand >> (8 * i)) & 0xFF));
  }
  return *this;
}

}  // namespace mochi::docfile

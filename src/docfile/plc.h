#pragma once
// A PLC: n + 1 ascending 32-bit positions followed by n data elements of one fixed size.

#include <cstdint>
#include <string>
#include <vector>

namespace mochi::docfile {

std::string WritePlc(const std::vector<std::uint32_t>& positions,
                     const std::vector<std::string>& elements);

}  // namespace mochi::docfile

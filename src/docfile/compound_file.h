#pragma once
// The compound file container (version 3, 512-byte sectors) holding a root storage and its
// streams. Directory times and state bits are zero, so the bytes depend only on the content.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace mochi::docfile {

struct CompoundStream {
  std::u16string name;
  std::string bytes;
};

using Clsid = std::array<std::uint8_t, 16>;  // as stored

// Streams under 4096 bytes go to the mini stream; the others take whole sectors, in the order
// given.
std::string WriteCompoundFile(const Clsid& rootClsid, const std::vector<CompoundStream>& streams);

}  // namespace mochi::docfile

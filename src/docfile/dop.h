#pragma once
// The document properties (Dop), in the 500-byte form that goes with a Word 97 FIB.

#include <string>

namespace mochi::docfile {

// No dates, edit times or statistics: the same document always gives the same bytes.
std::string WriteDop();

}  // namespace mochi::docfile

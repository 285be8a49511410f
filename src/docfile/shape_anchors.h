#pragma once
// PlcSpaMom: for each drawn-object anchor of the main text, the top-level shape it anchors and
// where that shape stands.

#include <cstdint>
#include <string>
#include <vector>

#include "docfile/drawn_box.h"

namespace mochi::docfile {

// boxes: in anchor order; cpEnd: the end of the document's text.
std::string WritePlcSpaMom(const std::vector<DrawnBox>& boxes, std::uint32_t cpEnd);

}  // namespace mochi::docfile

#pragma once
// The drawing of the main document (OfficeArtContent, "DggInfo"): one group per writing box,
// each a text box with a dotted cross of guide lines above it, stacked in reading order.

#include <string>
#include <vector>

#include "docfile/drawn_box.h"

namespace mochi::docfile {

// boxes: in anchor order (see drawn_box.h).
std::string WriteDrawing(const std::vector<DrawnBox>& boxes);

}  // namespace mochi::docfile

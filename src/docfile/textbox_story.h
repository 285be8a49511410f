#pragma once
// The text-box story's tables: which range of the story belongs to which text box
// (PlcftxbxTxt) and how each range breaks (PlcfTxbxBkd). Range i belongs to the i-th box in
// anchor order; one spare range follows the last box.

#include <cstdint>
#include <string>
#include <vector>

#include "docfile/drawn_box.h"

namespace mochi::docfile {

// rangeStarts: story CPs where each box's range starts, then where the spare range starts, then
// the end of the story (boxes.size() + 2 values).
std::string WritePlcftxbxTxt(const std::vector<DrawnBox>& boxes,
                             const std::vector<std::uint32_t>& rangeStarts);
std::string WritePlcfTxbxBkd(const std::vector<DrawnBox>& boxes,
                             const std::vector<std::uint32_t>& rangeStarts);

}  // namespace mochi::docfile

#pragma once
// The worksheet's text, laid out from the template's layout with the typed text in place: the
// main story, the text-box story (one range per box, in anchor order), and a final mark.

#include <cstdint>
#include <vector>

#include "docfile/drawn_box.h"
#include "docfile/text.h"
#include "word/document_text.h"

namespace mochi::docfile {

struct WorksheetContent {
  TextContent text;
  std::uint32_t mainLength = 0;                   // ccpText
  std::uint32_t textBoxLength = 0;                // ccpTxbx, the spare range included
  std::vector<DrawnBox> boxes;                    // anchor order
  std::vector<std::uint32_t> textBoxRangeStarts;  // story CPs: each box, the spare, the end
};

WorksheetContent BuildWorksheetContent(const word::DocumentText& typed);

}  // namespace mochi::docfile

#pragma once
// The two cursor moves the worksheet is typed with.

#include "word/word_connection.h"
#include "word/word_ids.h"

namespace mochi::worksheet {

// Box steps: MoveRight by item, which in the template enters the next writing box.
inline void BoxSteps(word::WordConnection& connection, int steps) {
  for (int i = 0; i < steps; ++i) connection.MoveRight(word::ids::kUnitItem, 1, 0);
}

// Paragraph steps: MoveDown by paragraph.
inline void ParagraphSteps(word::WordConnection& connection, int steps) {
  for (int i = 0; i < steps; ++i) connection.MoveDown(word::ids::kUnitParagraph, 1, 0);
}

}  // namespace mochi::worksheet

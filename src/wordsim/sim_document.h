#pragma once
// The document made from the worksheet template, as the stand-in models it: the 40 main-text
// paragraphs and the two paragraphs of each of the 156 boxes, what has been typed into them, and
// the insertion point. The structure comes from the template's layout (word/template_layout.h).
//
// How the insertion point moves. Where real Word's behaviour with this template is known, the
// model follows it; the other cases take the plain rule written beside them.
// - A new document starts at the beginning of paragraph 1.
// - Box step (MoveRight by item, unit 16): from box b, the start of box b + 1 (reading order).
//   From the main text, the start of column 1 of the first row whose anchors stand after the
//   insertion point (after paragraph 3: row 1); with no such row it does not move.
//   Unknown in Word, chosen: from the last box (row 13, column 12) the step leaves the grid for
//   the end of paragraph 40, the paragraph that anchors row 13.
// - Paragraph step (MoveDown by paragraph, unit 4): the start of the next paragraph of the same
//   story; in the last paragraph of a story, its end (Word stops at the end of the document).
//   Unknown in Word, chosen: inside a box, the box's two paragraphs form the story.
// - MoveDown by item (unit 16). Unknown in Word, chosen: from inside a box it leaves the box for
//   the main text, at the start of the paragraph after the row's anchor paragraph (for row 13,
//   whose anchor paragraph is the last, the end of paragraph 40); in the main text it does not
//   move.
// - Typing inserts at the insertion point, which ends after the text. Not modelled, so refused
//   with an error: typing before the anchors or line breaks that open a paragraph (the start of
//   a row's anchor paragraph), and text holding paragraph marks or line breaks.

#include <optional>
#include <string>
#include <string_view>

#include "word/document_text.h"

namespace mochi::wordsim {

struct Caret {
  // 0 in the main text, else the box (1 to 156, reading order).
  int box = 0;
  // Main text: 1 to 40; in a box: 1 or 2.
  int paragraph = 1;
  // Characters of typed text before the insertion point.
  int offset = 0;
  // At the start of a paragraph that opens with anchors or line breaks, before them.
  bool beforeFixedContent = false;

  friend bool operator==(const Caret&, const Caret&) = default;
};

class SimDocument {
 public:
  const word::DocumentText& Text() const { return text_; }
  const Caret& InsertionPoint() const { return caret_; }

  // Each move returns how many of the `count` steps moved the insertion point.
  int BoxSteps(int count);
  int ParagraphSteps(int count);
  int ItemStepsDown(int count);
  // The reason when the text cannot be typed where the insertion point stands.
  std::optional<std::u16string> TypeText(std::u16string_view text);

 private:
  bool BoxStep();
  bool ParagraphStep();
  bool ItemStepDown();
  std::u16string& TypedTextAtCaret();
  void MoveToMainParagraphStart(int paragraph);
  void MoveToMainParagraphEnd(int paragraph);

  word::DocumentText text_;
  Caret caret_;
};

}  // namespace mochi::wordsim

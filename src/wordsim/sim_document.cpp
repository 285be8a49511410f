#include "wordsim/sim_document.h"

#include "word/template_layout.h"

namespace mochi::wordsim {

namespace layout = word::layout;

namespace {

constexpr int kBoxParagraphs = 2;

bool OpensWithFixedContent(int paragraph) {
  const layout::ParagraphRole role = layout::RoleOfParagraph(paragraph);
  return role == layout::ParagraphRole::GridRow || role == layout::ParagraphRole::Closing;
}

int Repeat(int count, auto step) {
  int moved = 0;
  for (int i = 0; i < count; ++i) {
    if (step()) ++moved;
  }
  return moved;
}

}  // namespace

int SimDocument::BoxSteps(int count) {
  return Repeat(count, [this] { return BoxStep(); });
}

int SimDocument::ParagraphSteps(int count) {
  return Repeat(count, [this] { return ParagraphStep(); });
}

int SimDocument::ItemStepsDown(int count) {
  return Repeat(count, [this] { return ItemStepDown(); });
}

bool SimDocument::BoxStep() {
  if (caret_.box == layout::kBoxes) {
    MoveToMainParagraphEnd(layout::kClosingParagraph);
    return true;
  }
  if (caret_.box > 0) {
    caret_ = Caret{caret_.box + 1, 1, 0, false};
    return true;
  }
  for (int row = 1; row <= layout::kRows; ++row) {
    const int anchors = layout::AnchorParagraph(row);
    if (anchors > caret_.paragraph || (anchors == caret_.paragraph && caret_.beforeFixedContent)) {
      caret_ = Caret{layout::BoxNumber(row, 1), 1, 0, false};
      return true;
    }
  }
  return false;
}

bool SimDocument::ParagraphStep() {
  const Caret before = caret_;
  if (caret_.box > 0) {
    if (caret_.paragraph < kBoxParagraphs) {
      caret_ = Caret{caret_.box, caret_.paragraph + 1, 0, false};
    } else {
      caret_.offset = static_cast<int>(TypedTextAtCaret().size());
    }
  } else if (caret_.paragraph < layout::kMainParagraphs) {
    MoveToMainParagraphStart(caret_.paragraph + 1);
  } else {
    MoveToMainParagraphEnd(caret_.paragraph);
  }
  return caret_ != before;
}

bool SimDocument::ItemStepDown() {
  if (caret_.box == 0) return false;
  const int row = (caret_.box - 1) / layout::kColumns + 1;
  const int anchors = layout::AnchorParagraph(row);
  if (anchors < layout::kMainParagraphs) {
    MoveToMainParagraphStart(anchors + 1);
  } else {
    MoveToMainParagraphEnd(anchors);
  }
  return true;
}

std::optional<std::u16string> SimDocument::TypeText(std::u16string_view text) {
  if (caret_.beforeFixedContent) {
    return u"wordsim: typing before the anchors that open a paragraph is not modelled";
  }
  for (const char16_t c : text) {
    if (c == u'\r' || c == u'\n' || c == u'\v' || c == u'\f') {
      return u"wordsim: paragraph marks and line breaks in typed text are not modelled";
    }
  }
  TypedTextAtCaret().insert(static_cast<std::size_t>(caret_.offset), text);
  caret_.offset += static_cast<int>(text.size());
  return std::nullopt;
}

std::u16string& SimDocument::TypedTextAtCaret() {
  if (caret_.box > 0) return text_.boxes[caret_.box - 1][caret_.paragraph - 1];
  return text_.paragraphs[caret_.paragraph - 1];
}

void SimDocument::MoveToMainParagraphStart(int paragraph) {
  caret_ = Caret{0, paragraph, 0, OpensWithFixedContent(paragraph)};
}

void SimDocument::MoveToMainParagraphEnd(int paragraph) {
  caret_ = Caret{0, paragraph, 0, false};
  caret_.offset = static_cast<int>(TypedTextAtCaret().size());
}

}  // namespace mochi::wordsim

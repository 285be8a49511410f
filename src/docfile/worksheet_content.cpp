#include "docfile/worksheet_content.h"

#include "docfile/worksheet_format.h"

namespace mochi::docfile {

namespace {

namespace layout = word::layout;

// Typed text can only add characters, never structure: a control character other than a tab
// or a line break would make a paragraph, section or object the tables do not know of, so it
// is written as a space.
std::u16string PlainText(const std::u16string& typed) {
  std::u16string text = typed;
  for (char16_t& c : text) {
    if (c < 0x20 && c != u'\t' && c != chars::kLineBreak) c = u' ';
  }
  return text;
}

void AppendAnchors(WorksheetContent& content, int row) {
  for (int i = 0; i < layout::kColumns; ++i) {
    content.boxes.push_back({content.text.cp(), row, layout::ColumnOfAnchor(i)});
    content.text.Append(std::u16string(1, chars::kDrawnObject), worksheet::AnchorChpx());
  }
}

void AppendMainParagraph(WorksheetContent& content, int paragraph, const std::u16string& typed) {
  TextContent& text = content.text;
  const std::u16string plain = PlainText(typed);
  switch (layout::RoleOfParagraph(paragraph)) {
    case layout::ParagraphRole::Title:
      text.Append(plain, worksheet::TitleMarkChpx());
      text.EndParagraph(worksheet::TitleMarkChpx(), worksheet::kTitleStyle, "");
      return;
    case layout::ParagraphRole::Empty:
      text.Append(plain, "");
      text.EndParagraph("", worksheet::kNormalStyle, "");
      return;
    case layout::ParagraphRole::Header:
      text.Append(plain, "");
      text.EndParagraph("", worksheet::kNormalStyle, worksheet::CentredPapx());
      return;
    case layout::ParagraphRole::GridRow:
      AppendAnchors(content, layout::RowOfParagraph(paragraph));
      text.Append(plain, "");
      text.EndParagraph("", worksheet::kNormalStyle, "");
      return;
    case layout::ParagraphRole::Closing:
      text.Append(std::u16string(layout::kClosingLineBreaks, chars::kLineBreak), "");
      AppendAnchors(content, layout::RowOfParagraph(paragraph));
      text.Append(plain, "");
      text.EndParagraph("", worksheet::kNormalStyle, worksheet::CentredPapx());
      return;
  }
}

// A box's range: its two paragraphs, then the mark that ends the range. Text typed into a
// paragraph takes the format of that paragraph's mark.
void AppendBoxRange(WorksheetContent& content, const DrawnBox& box,
                    const std::array<std::u16string, 2>& typed) {
  TextContent& text = content.text;
  const std::string firstMark = worksheet::BoxFirstMarkChpx(box.column);
  text.Append(PlainText(typed[0]), firstMark);
  text.EndParagraph(firstMark, worksheet::kNormalStyle,
                    worksheet::BoxFirstParagraphPapx(box.column));
  text.Append(PlainText(typed[1]), "");
  text.EndParagraph("", worksheet::kNormalStyle, "");
  text.EndParagraph("", worksheet::kNormalStyle, "");
}

}  // namespace

WorksheetContent BuildWorksheetContent(const word::DocumentText& typed) {
  WorksheetContent content;
  for (int paragraph = 1; paragraph <= layout::kMainParagraphs; ++paragraph) {
    AppendMainParagraph(content, paragraph, typed.paragraphs[paragraph - 1]);
  }
  content.mainLength = content.text.cp();

  for (const DrawnBox& box : content.boxes) {
    content.textBoxRangeStarts.push_back(content.text.cp() - content.mainLength);
    AppendBoxRange(content, box, typed.boxes[layout::BoxNumber(box.row, box.column) - 1]);
  }
  // A spare range ends the story; its text is never shown.
  content.textBoxRangeStarts.push_back(content.text.cp() - content.mainLength);
  content.text.EndParagraph("", worksheet::kNormalStyle, "");
  content.textBoxLength = content.text.cp() - content.mainLength;
  content.textBoxRangeStarts.push_back(content.textBoxLength);

  // After the last story, one more mark that belongs to none.
  content.text.EndParagraph("", worksheet::kNormalStyle, "");
  return content;
}

}  // namespace mochi::docfile

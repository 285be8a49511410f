// Finished worksheets: the typed text lands in its paragraphs and boxes with the format Word
// would give it, and never changes the template's structure.
#include <gtest/gtest.h>

#include <string>

#include "doc_reader.h"
#include "docfile/worksheet_doc.h"
#include "word/template_layout.h"
#include "worksheet_fixture.h"

namespace mochi::docfile::testing {
namespace {

namespace layout = word::layout;

constexpr std::uint16_t kCHps = 0x4A43;
constexpr std::uint16_t kPJc80 = 0x2403;

// Start of each main paragraph (index p - 1 for paragraph p) and the CP just past the end.
std::vector<std::uint32_t> ParagraphStarts(const std::u16string& text) {
  std::vector<std::uint32_t> starts = {0};
  for (std::uint32_t cp = 0; cp < text.size(); ++cp) {
    if (text[cp] == u'\r') starts.push_back(cp + 1);
  }
  return starts;
}

// The typed text of box (row, column): its range in the text-box story without the marks.
std::u16string BoxRange(const WordFile& file, int row, int column) {
  const std::size_t anchor = layout::kColumns * (row - 1) + (layout::kColumns - column);
  const TextBoxRange range = file.TextBoxRanges().at(anchor);
  return file.TextBoxStory().substr(range.cpStart, range.cpEnd - range.cpStart);
}

TEST(FinishedWorksheet, TypedTextStandsWhereItWasTypedWithItsFormat) {
  const word::DocumentText typed = IdiomWorksheetFixture();
  const WordFile file(WriteWorksheetDocument(typed));
  ASSERT_TRUE(file.ok());
  const std::u16string main = file.MainText();
  const std::vector<std::uint32_t> starts = ParagraphStarts(main);
  ASSERT_EQ(starts.size(), static_cast<std::size_t>(layout::kMainParagraphs) + 1);

  const std::u16string& title = typed.paragraphs[layout::kTitleParagraph - 1];
  EXPECT_EQ(main.substr(0, title.size() + 1), title + u"\r");
  for (std::uint32_t cp = 0; cp < title.size(); ++cp) {
    EXPECT_EQ(FindSprm(file.CharacterSprms(cp), kCHps), 44u) << "title character " << cp;
  }
  EXPECT_EQ(file.ParagraphProperties(0).first, 15);  // Title style: bold, centred

  const std::u16string& header = typed.paragraphs[layout::kHeaderParagraph - 1];
  const std::uint32_t headerStart = starts[layout::kHeaderParagraph - 1];
  EXPECT_EQ(main.substr(headerStart, header.size() + 1), header + u"\r");
  EXPECT_TRUE(file.CharacterSprms(headerStart).empty());
  EXPECT_EQ(FindSprm(file.ParagraphProperties(headerStart).second, kPJc80), 1u);

  // The closing line follows the line breaks and anchors of the last paragraph.
  const std::u16string& closing = typed.paragraphs[layout::kClosingParagraph - 1];
  const std::uint32_t closingStart = starts[layout::kClosingParagraph - 1];
  EXPECT_EQ(main.substr(closingStart),
            std::u16string(3, 0x0B) + std::u16string(12, 0x08) + closing + u"\r");
  EXPECT_EQ(FindSprm(file.ParagraphProperties(static_cast<std::uint32_t>(main.size()) - 1).second,
                     kPJc80),
            1u);

  for (int row = 1; row <= layout::kRows; ++row) {
    for (int column = 1; column <= layout::kColumns; ++column) {
      SCOPED_TRACE("row " + std::to_string(row) + " column " + std::to_string(column));
      const std::u16string& boxText = typed.boxes[layout::BoxNumber(row, column) - 1][0];
      EXPECT_EQ(BoxRange(file, row, column), boxText + u"\r\r\r");
    }
  }
  // A typed box character takes its box's first mark format: 36 pt in columns 1 to 4.
  const TextBoxRange firstRowColumnOne = file.TextBoxRanges().at(layout::kColumns - 1);
  EXPECT_EQ(FindSprm(file.CharacterSprms(file.ccpText() + firstRowColumnOne.cpStart), kCHps), 72u);
}

TEST(FinishedWorksheet, AnchorsStillPointAtTheirObjectsAfterTheTextMoved) {
  const WordFile file(WriteWorksheetDocument(IdiomWorksheetFixture()));
  const std::vector<ShapeAnchor> anchors = file.ShapeAnchors();
  ASSERT_EQ(anchors.size(), static_cast<std::size_t>(layout::kBoxes));
  for (const ShapeAnchor& anchor : anchors) {
    EXPECT_EQ(file.text().at(anchor.cp), 0x08) << "anchor at " << anchor.cp;
  }
  EXPECT_EQ(file.text().size(), file.ccpText() + file.ccpTxbx() + 1);
}

// Control characters in typed text would make paragraphs or objects the tables do not
// describe; they are written as spaces.
TEST(FinishedWorksheet, ControlCharactersInTypedTextDoNotChangeTheStructure) {
  word::DocumentText typed;
  typed.paragraphs[0] =
      u"a\rb\x08"
      u"c\x07";
  typed.paragraphs[layout::kClosingParagraph - 1] =
      u"x\x0B"
      u"y\r";
  typed.boxes[0][0] = u"\r\x01";
  const WordFile file(WriteWorksheetDocument(typed));
  const std::u16string main = file.MainText();
  EXPECT_EQ(main.substr(0, 7), u"a b c \r");
  EXPECT_EQ(ParagraphStarts(main).size(), static_cast<std::size_t>(layout::kMainParagraphs) + 1);
  EXPECT_EQ(std::count(main.begin(), main.end(), 0x08), layout::kBoxes);
  EXPECT_EQ(main.substr(main.size() - 5),
            u"x\x0B"
            u"y \r");  // a line break is kept
  EXPECT_EQ(BoxRange(file, 1, 1), u"  \r\r\r");
}

// Much typed text: the formatting spreads over many more pages and the container needs more
// allocation sectors; every character must still be found with its format.
TEST(FinishedWorksheet, LongTextsStayReadableThroughout) {
  word::DocumentText typed;
  typed.paragraphs[0] = std::u16string(3000, u'题');
  for (int box = 0; box < layout::kBoxes; ++box) {
    typed.boxes[box][0] = std::u16string(150, static_cast<char16_t>(u'一' + box));
    typed.boxes[box][1] = u"second";
  }
  const std::string bytes = WriteWorksheetDocument(typed);
  const WordFile file(bytes);
  ASSERT_TRUE(file.ok());
  EXPECT_GT(bytes.size(), 128u * 512u * 2u);  // beyond what two allocation sectors map
  EXPECT_EQ(file.MainText().substr(0, 3001), typed.paragraphs[0] + u"\r");
  for (int row = 1; row <= layout::kRows; ++row) {
    for (int column = 1; column <= layout::kColumns; ++column) {
      const auto& box = typed.boxes[layout::BoxNumber(row, column) - 1];
      ASSERT_EQ(BoxRange(file, row, column), box[0] + u"\r" + box[1] + u"\r\r");
    }
  }
  for (std::uint32_t cp = 0; cp < file.text().size(); ++cp) {
    const auto sprms = file.CharacterSprms(cp);
    ASSERT_FALSE(!sprms.empty() && sprms[0].opcode == 0xFFFF) << "no run covers CP " << cp;
    ASSERT_NE(file.ParagraphProperties(cp).first, 0xFFFF) << "no paragraph covers CP " << cp;
  }
}

TEST(FinishedWorksheet, SameTextGivesTheSameBytes) {
  EXPECT_TRUE(WriteWorksheetDocument(IdiomWorksheetFixture()) ==
              WriteWorksheetDocument(IdiomWorksheetFixture()));
}

}  // namespace
}  // namespace mochi::docfile::testing

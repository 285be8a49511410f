// The carried template read back with the tests' own reader: container, text, formatting,
// anchors, drawing and text-box story as the worksheet generation relies on them.
#include <gtest/gtest.h>

#include <cstddef>
#include <set>
#include <string>

#include "doc_reader.h"
#include "docfile/worksheet_doc.h"
#include "word/template_layout.h"
#include "word/worksheet_template.h"

namespace mochi::docfile::testing {
namespace {

namespace layout = word::layout;

constexpr std::uint16_t kCFSpec = 0x0855;
constexpr std::uint16_t kCHps = 0x4A43;
constexpr std::uint16_t kCRgFtc0 = 0x4A4F;
constexpr std::uint16_t kCRgFtc1 = 0x4A50;
constexpr std::uint16_t kCRgFtc2 = 0x4A51;
constexpr std::uint16_t kPJc80 = 0x2403;
constexpr std::uint16_t kPFUsePgsuSettings = 0x2447;
constexpr std::uint16_t kTitleStyle = 15;

std::string CarriedTemplate() {
  const std::span<const char> bytes = word::WorksheetTemplate();
  return std::string(bytes.begin(), bytes.end());
}

// Read once: every test looks at the same carried bytes.
const WordFile& Template() {
  static const WordFile file(CarriedTemplate());
  return file;
}

TEST(CarriedTemplateBytes, AreWhatTheWriterWritesToday) {
  // Rewriting the template must give the committed bytes: tools/template/write-template.sh
  // refreshes them after a deliberate change.
  EXPECT_TRUE(CarriedTemplate() == WriteWorksheetDocument({}))
      << "assets/dox.doc is out of date: run tools/template/write-template.sh";
}

TEST(CarriedTemplate, ContainerHoldsTheWordDocumentStreams) {
  ASSERT_TRUE(Template().ok());
  std::set<std::u16string> names;
  for (const auto& [name, bytes] : Template().streams()) names.insert(name);
  EXPECT_EQ(names, (std::set<std::u16string>{u"WordDocument", u"1Table",
                                             u"\x01"
                                             u"CompObj"}));
  EXPECT_NE(Template()
                .streams()
                .at(u"\x01"
                    u"CompObj")
                .find("MSWordDoc"),
            std::string::npos);
  EXPECT_EQ(Template().FibLong(0x40), Template().streams().at(u"WordDocument").size());  // cbMac
  EXPECT_EQ(CarriedTemplate().size() % 512, 0u);
}

TEST(CarriedTemplate, MainTextIsTitleHeaderThirteenRowsOfAnchorsAndTheClosingParagraph) {
  std::u16string expected = u"\r\r\r";
  for (int row = 1; row < layout::kRows; ++row) expected += std::u16string(12, 0x08) + u"\r\r\r";
  expected += std::u16string(3, 0x0B) + std::u16string(12, 0x08) + u"\r";
  EXPECT_EQ(Template().MainText(), expected);
  EXPECT_EQ(Template().ccpText(), 199u);
  // Every story, then one final mark.
  EXPECT_EQ(Template().text().size(), Template().ccpText() + Template().ccpTxbx() + 1);
  EXPECT_EQ(Template().text().back(), u'\r');
}

TEST(CarriedTemplate, ParagraphFormatsFollowTheirRoles) {
  const std::u16string main = Template().MainText();
  int paragraph = 1;
  for (std::uint32_t cp = 0; cp < main.size(); ++cp) {
    if (main[cp] != u'\r') continue;
    SCOPED_TRACE("paragraph " + std::to_string(paragraph));
    const auto [istd, sprms] = Template().ParagraphProperties(cp);
    const bool centred =
        paragraph == layout::kHeaderParagraph || paragraph == layout::kClosingParagraph;
    EXPECT_EQ(istd, paragraph == layout::kTitleParagraph ? kTitleStyle : 0);
    EXPECT_EQ(FindSprm(sprms, kPJc80), centred ? std::optional<std::uint32_t>(1) : std::nullopt);
    const auto markSize = FindSprm(Template().CharacterSprms(cp), kCHps);
    EXPECT_EQ(markSize, paragraph == layout::kTitleParagraph ? std::optional<std::uint32_t>(44)
                                                             : std::nullopt);
    ++paragraph;
  }
  EXPECT_EQ(paragraph - 1, layout::kMainParagraphs);
}

TEST(CarriedTemplate, EachRowAnchorsItsTwelveBoxesFromColumnTwelveToOne) {
  const std::vector<ShapeAnchor> anchors = Template().ShapeAnchors();
  ASSERT_EQ(anchors.size(), static_cast<std::size_t>(layout::kBoxes));
  std::set<std::uint32_t> shapeIds;
  for (std::size_t k = 0; k < anchors.size(); ++k) {
    SCOPED_TRACE("anchor " + std::to_string(k));
    const ShapeAnchor& anchor = anchors[k];
    const int column = layout::kColumns - static_cast<int>(k % layout::kColumns);
    EXPECT_EQ(Template().text()[anchor.cp], 0x08);
    EXPECT_EQ(FindSprm(Template().CharacterSprms(anchor.cp), kCFSpec), 1u);
    EXPECT_EQ(anchor.left, layout::kColumnLeft[column - 1]);
    EXPECT_EQ(anchor.right - anchor.left, layout::kBoxWidth);
    EXPECT_EQ(anchor.top, 0);
    EXPECT_EQ(anchor.bottom, layout::kBoxHeight);
    EXPECT_EQ(anchor.flags, 0x0074);  // column / paragraph relative, no wrapping, in front
    shapeIds.insert(anchor.shapeId);
    if (k > 0) {
      EXPECT_GT(anchor.cp, anchors[k - 1].cp);
    }
  }
  EXPECT_EQ(shapeIds.size(), anchors.size());
}

// The drawing: one group per box in reading order, each a text box below a horizontal and a
// vertical guide line; the group names its anchor, the text box its story range.
TEST(CarriedTemplate, GroupsAreStackedInReadingOrderAndPointBackAtTheirAnchorsAndStories) {
  const std::vector<ShapeAnchor> anchors = Template().ShapeAnchors();
  const std::vector<TextBoxRange> ranges = Template().TextBoxRanges();
  const std::optional<ArtRecord> drawing = Template().Drawing();
  ASSERT_TRUE(drawing.has_value());
  ASSERT_EQ(drawing->type, 0xF002);
  const ArtRecord* top = drawing->Find(0xF003);
  ASSERT_NE(top, nullptr);
  const auto groups = top->FindAll(0xF003);
  ASSERT_EQ(groups.size(), static_cast<std::size_t>(layout::kBoxes));
  ASSERT_EQ(ranges.size(), groups.size() + 1);

  auto u32 = [](const ArtRecord* atom, std::size_t at) { return ReadU32(atom->body, at); };
  for (std::size_t i = 0; i < groups.size(); ++i) {
    const int row = static_cast<int>(i) / layout::kColumns + 1;
    const int column = static_cast<int>(i) % layout::kColumns + 1;
    SCOPED_TRACE("row " + std::to_string(row) + " column " + std::to_string(column));
    const auto shapes = groups[i]->FindAll(0xF004);
    ASSERT_EQ(shapes.size(), 4u);
    const ArtRecord* group = shapes[0];
    const std::uint32_t anchorIndex = u32(group->Find(0xF010), 0);
    ASSERT_LT(anchorIndex, anchors.size());
    EXPECT_EQ(anchorIndex, static_cast<std::uint32_t>(layout::kColumns * (row - 1) +
                                                      (layout::kColumns - column)));
    EXPECT_EQ(u32(group->Find(0xF00A), 0), anchors[anchorIndex].shapeId);
    const ArtRecord* frame = group->Find(0xF009);  // the group's own coordinates
    EXPECT_EQ(u32(frame, 8), static_cast<std::uint32_t>(layout::kBoxWidth));
    EXPECT_EQ(u32(frame, 12), static_cast<std::uint32_t>(layout::kBoxHeight));

    struct Child {
      std::uint16_t shapeType;
      layout::Segment anchor;
    };
    const Child children[] = {
        {202, layout::kTextBoxRect}, {20, layout::kHorizontalGuide}, {20, layout::kVerticalGuide}};
    for (int c = 0; c < 3; ++c) {
      const ArtRecord* child = shapes[1 + c];
      EXPECT_EQ(child->Find(0xF00A)->instance, children[c].shapeType);
      const ArtRecord* rect = child->Find(0xF00F);
      ASSERT_NE(rect, nullptr);
      EXPECT_EQ(static_cast<int>(u32(rect, 0)), children[c].anchor.x1);
      EXPECT_EQ(static_cast<int>(u32(rect, 4)), children[c].anchor.y1);
      EXPECT_EQ(static_cast<int>(u32(rect, 8)), children[c].anchor.x2);
      EXPECT_EQ(static_cast<int>(u32(rect, 12)), children[c].anchor.y2);
    }
    const ArtRecord* textBox = shapes[1];
    EXPECT_EQ(u32(textBox->Find(0xF00D), 0), (anchorIndex + 1) << 16);
    EXPECT_EQ(ranges[anchorIndex].shapeId, u32(textBox->Find(0xF00A), 0));
  }
}

TEST(CarriedTemplate, EachBoxHoldsTwoEmptyParagraphsWhoseFirstMarkSetsTheTypedFormat) {
  const std::vector<TextBoxRange> ranges = Template().TextBoxRanges();
  const auto fonts = Template().Fonts();
  ASSERT_GE(fonts.size(), 6u);
  std::uint32_t kaiti = 0;
  while (kaiti < fonts.size() && fonts[kaiti].first != layout::kBoxFont) ++kaiti;
  ASSERT_LT(kaiti, fonts.size());
  EXPECT_EQ(fonts[kaiti].second, 134);  // GB2312

  const std::u16string story = Template().TextBoxStory();
  ASSERT_EQ(ranges.size(), static_cast<std::size_t>(layout::kBoxes) + 1);
  EXPECT_EQ(ranges.back().cpEnd, story.size());
  for (std::size_t k = 0; k < layout::kBoxes; ++k) {
    const int column = layout::kColumns - static_cast<int>(k % layout::kColumns);
    SCOPED_TRACE("anchor " + std::to_string(k) + " column " + std::to_string(column));
    EXPECT_EQ(story.substr(ranges[k].cpStart, ranges[k].cpEnd - ranges[k].cpStart), u"\r\r\r");
    const std::uint32_t firstMark = Template().ccpText() + ranges[k].cpStart;
    const auto chpx = Template().CharacterSprms(firstMark);
    const auto [istd, papx] = Template().ParagraphProperties(firstMark);
    EXPECT_EQ(istd, 0);
    if (column <= 4) {
      EXPECT_EQ(FindSprm(chpx, kCHps), 72u);
      EXPECT_EQ(FindSprm(chpx, kCRgFtc1), std::nullopt);
      EXPECT_EQ(FindSprm(papx, kPFUsePgsuSettings), std::nullopt);
    } else {
      EXPECT_EQ(FindSprm(chpx, kCHps), 60u);
      for (std::uint16_t slot : {kCRgFtc0, kCRgFtc1, kCRgFtc2})
        EXPECT_EQ(FindSprm(chpx, slot), kaiti);
      EXPECT_EQ(FindSprm(papx, kPFUsePgsuSettings), 0u);
    }
    EXPECT_TRUE(Template().CharacterSprms(firstMark + 1).empty());
  }
}

TEST(CarriedTemplate, SectionIsA4WithTheMarginsAndLineGrid) {
  const std::vector<Sprm> sprms = Template().SectionSprms();
  const std::pair<std::uint16_t, int> expected[] = {{0xB01F, layout::kPageWidth},
                                                    {0xB020, layout::kPageHeight},
                                                    {0xB021, layout::kMarginLeft},
                                                    {0xB022, layout::kMarginRight},
                                                    {0x9023, layout::kMarginTop},
                                                    {0x9024, layout::kMarginBottom},
                                                    {0xB017, layout::kHeaderDistance},
                                                    {0xB018, layout::kFooterDistance},
                                                    {0x5032, 2},
                                                    {0x9031, layout::kLinePitch}};
  for (const auto& [opcode, value] : expected) {
    EXPECT_EQ(FindSprm(sprms, opcode), static_cast<std::uint32_t>(value)) << std::hex << opcode;
  }
}

}  // namespace
}  // namespace mochi::docfile::testing

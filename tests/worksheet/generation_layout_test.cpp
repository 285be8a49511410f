// What a run types where: title, header, the thirteen rows of the grid and the closing line,
// for each kind and ending, with the generator seeded with 1.

#include <gtest/gtest.h>

#include "word/template_layout.h"
#include "worksheet_fixture.h"

namespace mochi::testing {
namespace {

namespace layout = word::layout;

std::u16string Spaces(int n) { return std::u16string(static_cast<std::size_t>(n), u' '); }

std::u16string Ascii(const std::string& text) { return std::u16string(text.begin(), text.end()); }

struct KindCase {
  Kind kind;
  std::u16string title;
  std::u16string header;
  std::vector<std::string> lists;  // fixture lists typed into columns 1, 2, ...
  int entries;
};

std::vector<KindCase> KindCases() {
  const std::u16string nameAndScore = u"姓名：" + Spaces(17) + u"评分：";
  return {
      {Kind::Characters,
       u"小学生学写汉字练习",
       u"常用汉字库" + Spaces(29) + nameAndScore,
       {"a"},
       2537},
      {Kind::Words,
       u"小学生学写词组练习",
       u"常用近、反义词组库" + Spaces(25) + nameAndScore,
       {"b1", "b2"},
       1413},
      {Kind::Idioms,
       u"小学生学写成语练习",
       u"常用成语大全" + Spaces(26) + nameAndScore,
       {"c1", "c2", "c3", "c4"},
       1766},
  };
}

class GenerationLayout : public ::testing::TestWithParam<std::tuple<int, bool>> {};

TEST_P(GenerationLayout, EachTextStandsInItsPlace) {
  const auto [kindIndex, parentSignature] = GetParam();
  const KindCase c = KindCases()[static_cast<std::size_t>(kindIndex)];
  Harness h;
  h.Select(c.kind, parentSignature);
  h.clock.uptime = 1;
  h.clock.now = {2024, 12, 25, 8, 5, 7};
  h.Generate();

  const word::DocumentText& document = h.LatestDocument();
  EXPECT_EQ(document.paragraphs[0], c.title);
  EXPECT_EQ(document.paragraphs[2], c.header);
  for (int row = 1; row <= layout::kRows; ++row) {
    const int drawn = 1 + kSeedOneValues[row - 1] % c.entries;
    for (int column = 1; column <= layout::kColumns; ++column) {
      const auto& box = document.boxes[layout::BoxNumber(row, column) - 1];
      const std::size_t list = static_cast<std::size_t>(column - 1);
      const std::u16string expected =
          list < c.lists.size() ? Ascii(FixtureCell(c.lists[list], drawn)) : u"";
      EXPECT_EQ(box[0], expected) << "row " << row << " column " << column;
      EXPECT_EQ(box[1], u"") << "row " << row << " column " << column;
    }
  }
  const std::u16string closing = parentSignature
                                     ? u"家长签字：" + Spaces(34) + u"2024年12月25日"
                                     : Ascii(FixtureCell("m", 1 + kSeedOneValues[13] % 397));
  EXPECT_EQ(document.paragraphs[layout::kClosingParagraph - 1], closing);
  for (int paragraph = 1; paragraph < layout::kMainParagraphs; ++paragraph) {
    if (paragraph == layout::kTitleParagraph || paragraph == layout::kHeaderParagraph) continue;
    EXPECT_EQ(document.paragraphs[paragraph - 1], u"") << "paragraph " << paragraph;
  }
}

INSTANTIATE_TEST_SUITE_P(KindsAndEndings, GenerationLayout,
                         ::testing::Combine(::testing::Values(0, 1, 2), ::testing::Bool()));

TEST(GenerationLayout, AnEmptyEntryLeavesItsBoxBlankAndTheRowsInPlace) {
  Harness h;
  h.Select(Kind::Idioms, false);
  const int firstIdiom = 1 + kSeedOneValues[0] % 1766;
  h.tables.IdiomCharList4.SetCell(firstIdiom, 1, "");
  h.Generate();

  const word::DocumentText& document = h.LatestDocument();
  EXPECT_EQ(document.boxes[layout::BoxNumber(1, 3) - 1][0], Ascii(FixtureCell("c3", firstIdiom)));
  EXPECT_EQ(document.boxes[layout::BoxNumber(1, 4) - 1][0], u"");
  const int secondIdiom = 1 + kSeedOneValues[1] % 1766;
  EXPECT_EQ(document.boxes[layout::BoxNumber(2, 1) - 1][0], Ascii(FixtureCell("c1", secondIdiom)));
  EXPECT_EQ(document.boxes[layout::BoxNumber(2, 4) - 1][0], Ascii(FixtureCell("c4", secondIdiom)));
}

TEST(GenerationLayout, WithoutAKindOnlyTheClosingLineIsTyped) {
  Harness h;
  h.Select(Kind::None, false);
  h.Generate();

  const word::DocumentText& document = h.LatestDocument();
  for (int paragraph = 1; paragraph < layout::kMainParagraphs; ++paragraph) {
    EXPECT_EQ(document.paragraphs[paragraph - 1], u"") << "paragraph " << paragraph;
  }
  for (const auto& box : document.boxes) EXPECT_EQ(box[0] + box[1], u"");
  // The motto is the first draw of the run.
  EXPECT_EQ(document.paragraphs[layout::kClosingParagraph - 1],
            Ascii(FixtureCell("m", 1 + kSeedOneValues[0] % 397)));
  EXPECT_EQ(h.CountCalls("Selection.MoveRight(16, 1, 0)"), 9);
}

TEST(GenerationLayout, TheFirstSelectedKindWins) {
  Harness h;
  h.Select(Kind::Idioms, false);
  h.toolkit.radios[std::string(worksheet::texts::kRadioWords)] = true;
  h.Generate();
  EXPECT_EQ(h.LatestDocument().paragraphs[0], u"小学生学写词组练习");
  EXPECT_EQ(h.CountCalls("Selection.MoveRight(16, 1, 0)"), 157);
}

TEST(GenerationLayout, SameUptimeDrawsTheSameRowsAndAnotherDoesNot) {
  Harness first;
  Harness second;
  Harness third;
  first.clock.uptime = second.clock.uptime = 123456789;
  third.clock.uptime = 123456790;
  for (Harness* h : {&first, &second, &third}) {
    h->Select(Kind::Words, false);
    h->Generate();
  }
  EXPECT_EQ(first.LatestDocument().boxes, second.LatestDocument().boxes);
  EXPECT_EQ(first.LatestDocument().paragraphs, second.LatestDocument().paragraphs);
  EXPECT_NE(first.LatestDocument().boxes, third.LatestDocument().boxes);
}

}  // namespace
}  // namespace mochi::testing

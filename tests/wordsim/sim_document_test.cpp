// How the insertion point moves through the document made from the template, and where typed
// text goes.

#include <gtest/gtest.h>

#include "word/template_layout.h"
#include "wordsim/sim_document.h"

namespace mochi::wordsim {
namespace {

namespace layout = word::layout;

Caret InBox(int box, int paragraph = 1, int offset = 0) {
  return Caret{box, paragraph, offset, false};
}
Caret InMain(int paragraph, int offset = 0, bool beforeFixed = false) {
  return Caret{0, paragraph, offset, beforeFixed};
}

TEST(SimDocument, ParagraphStepsWalkTheMainTextAndStopAtItsEnd) {
  SimDocument document;
  EXPECT_EQ(document.InsertionPoint(), InMain(1));
  ASSERT_EQ(document.TypeText(u"title"), std::nullopt);
  EXPECT_EQ(document.ParagraphSteps(2), 2);
  EXPECT_EQ(document.InsertionPoint(), InMain(3));
  EXPECT_EQ(document.ParagraphSteps(1), 1);
  // Paragraph 4 opens with the anchors of row 1: the step stands before them.
  EXPECT_EQ(document.InsertionPoint(), InMain(4, 0, true));
  EXPECT_EQ(document.ParagraphSteps(36), 36);
  EXPECT_EQ(document.InsertionPoint(), InMain(40, 0, true));
  // In the last paragraph a step goes to its end, after the anchors; then nothing moves.
  EXPECT_EQ(document.ParagraphSteps(5), 1);
  EXPECT_EQ(document.InsertionPoint(), InMain(40));
  EXPECT_EQ(document.Text().paragraphs[0], u"title");
}

TEST(SimDocument, BoxStepsWalkTheGridInReadingOrderAndLeaveItAfterTheLastBox) {
  SimDocument document;
  document.ParagraphSteps(2);
  EXPECT_EQ(document.BoxSteps(1), 1);
  EXPECT_EQ(document.InsertionPoint(), InBox(layout::BoxNumber(1, 1)));
  EXPECT_EQ(document.BoxSteps(12), 12);
  EXPECT_EQ(document.InsertionPoint(), InBox(layout::BoxNumber(2, 1)));
  EXPECT_EQ(document.BoxSteps(143), 143);
  EXPECT_EQ(document.InsertionPoint(), InBox(layout::BoxNumber(13, 12)));
  EXPECT_EQ(document.BoxSteps(1), 1);
  EXPECT_EQ(document.InsertionPoint(), InMain(40));
  // After the anchors of row 13 there is no box left to enter.
  EXPECT_EQ(document.BoxSteps(1), 0);
  EXPECT_EQ(document.InsertionPoint(), InMain(40));
}

struct BoxEntryCase {
  Caret from;
  int box;  // entered by one box step
};

class BoxEntry : public ::testing::TestWithParam<BoxEntryCase> {};

TEST_P(BoxEntry, FromTheMainTextAStepEntersTheFirstRowAnchoredAfterTheInsertionPoint) {
  SimDocument document;
  // Reach the case's paragraph by paragraph steps, then check the step from there.
  const Caret from = GetParam().from;
  document.ParagraphSteps(from.paragraph - 1);
  if (!from.beforeFixedContent && from.paragraph == layout::kClosingParagraph) {
    document.ParagraphSteps(1);
  }
  ASSERT_EQ(document.InsertionPoint(), from);
  document.BoxSteps(1);
  EXPECT_EQ(document.InsertionPoint(), InBox(GetParam().box));
}

INSTANTIATE_TEST_SUITE_P(Paragraphs, BoxEntry,
                         ::testing::Values(BoxEntryCase{InMain(1), 1}, BoxEntryCase{InMain(3), 1},
                                           BoxEntryCase{InMain(4, 0, true), 1},
                                           BoxEntryCase{InMain(5), 13},
                                           BoxEntryCase{InMain(39), 145},
                                           BoxEntryCase{InMain(40, 0, true), 145}));

TEST(SimDocument, InsideABoxParagraphStepsKeepToItsTwoParagraphs) {
  SimDocument document;
  document.BoxSteps(5);
  ASSERT_EQ(document.TypeText(u"x"), std::nullopt);
  EXPECT_EQ(document.ParagraphSteps(1), 1);
  EXPECT_EQ(document.InsertionPoint(), InBox(5, 2));
  ASSERT_EQ(document.TypeText(u"yz"), std::nullopt);
  EXPECT_EQ(document.ParagraphSteps(3), 0);
  EXPECT_EQ(document.InsertionPoint(), InBox(5, 2, 2));
  EXPECT_EQ(document.Text().boxes[4][0], u"x");
  EXPECT_EQ(document.Text().boxes[4][1], u"yz");
}

TEST(SimDocument, MovingDownByItemLeavesABoxBelowItsRow) {
  SimDocument document;
  EXPECT_EQ(document.ItemStepsDown(1), 0);  // in the main text: no move
  EXPECT_EQ(document.InsertionPoint(), InMain(1));
  document.BoxSteps(9);
  EXPECT_EQ(document.ItemStepsDown(1), 1);
  EXPECT_EQ(document.InsertionPoint(), InMain(5));
  document.BoxSteps(layout::BoxNumber(13, 3) - layout::BoxNumber(2, 1) + 1);
  ASSERT_EQ(document.InsertionPoint(), InBox(layout::BoxNumber(13, 3)));
  EXPECT_EQ(document.ItemStepsDown(1), 1);
  EXPECT_EQ(document.InsertionPoint(), InMain(40));
}

TEST(SimDocument, TypingGoesAtTheInsertionPointAndRefusesWhatIsNotModelled) {
  SimDocument document;
  ASSERT_EQ(document.TypeText(u"ab"), std::nullopt);
  ASSERT_EQ(document.TypeText(u"c"), std::nullopt);
  EXPECT_EQ(document.InsertionPoint(), InMain(1, 3));
  EXPECT_EQ(document.Text().paragraphs[0], u"abc");
  EXPECT_NE(document.TypeText(u"two\rparagraphs"), std::nullopt);
  EXPECT_NE(document.TypeText(u"line\vbreak"), std::nullopt);
  document.ParagraphSteps(3);
  ASSERT_EQ(document.InsertionPoint(), InMain(4, 0, true));
  EXPECT_NE(document.TypeText(u"before the anchors"), std::nullopt);
  EXPECT_EQ(document.Text().paragraphs[3], u"");
  EXPECT_EQ(document.Text().paragraphs[0], u"abc");
}

}  // namespace
}  // namespace mochi::wordsim

// The generator, the date-time text and the parent-signature line, and the GBK search.

#include <gtest/gtest.h>

#include <algorithm>

#include "native_platform.h"
#include "worksheet/date_time_text.h"
#include "worksheet/finish_worksheet.h"
#include "worksheet/gbk_search.h"
#include "worksheet/random_generator.h"
#include "worksheet_fixture.h"

namespace mochi::testing {
namespace {

using platform::LocalDateTime;

TEST(RandomGenerator, SeededWithOneGivesTheKnownSequence) {
  worksheet::RandomGenerator generator;
  generator.Seed(1);
  for (const int expected : kSeedOneValues) EXPECT_EQ(generator.Next(), expected);
}

TEST(RandomGenerator, TheStateWrapsModulo2To32) {
  worksheet::RandomGenerator high;
  high.Seed(0xFFFFFFFFu);
  // (2^32 - 1) * 214013 + 2531011 modulo 2^32 is 2316998, whose bits 16 to 30 are 35.
  EXPECT_EQ(high.Next(), 35);
}

TEST(DrawRow, ReachesTheFirstAndTheLastRowOfEveryList) {
  for (const int entries : {2537, 1413, 1766, 397}) {
    worksheet::RandomGenerator generator;
    generator.Seed(0);
    int lowest = entries;
    int highest = 1;
    for (int i = 0; i < 200000; ++i) {
      const int row = worksheet::DrawRow(generator, entries);
      lowest = std::min(lowest, row);
      highest = std::max(highest, row);
    }
    EXPECT_EQ(lowest, 1) << entries;
    EXPECT_EQ(highest, entries) << entries;
  }
}

struct DateTimeCase {
  LocalDateTime time;
  std::u16string text;
  std::u16string signatureDate;
};

class DateTimeText : public ::testing::TestWithParam<DateTimeCase> {};

TEST_P(DateTimeText, FollowsTheRuleAndTheSignatureKeepsTheDateOnly) {
  const auto codec = MakeNativeTextCodec();
  const DateTimeCase& c = GetParam();
  EXPECT_EQ(codec->GbkToUtf16(worksheet::DateTimeText(c.time)), c.text);
  EXPECT_EQ(codec->GbkToUtf16(worksheet::ParentSignatureLine(c.time)),
            u"家长签字：" + std::u16string(34, u' ') + c.signatureDate);
}

INSTANTIATE_TEST_SUITE_P(
    Times, DateTimeText,
    ::testing::Values(
        DateTimeCase{{2013, 3, 12, 8, 8, 20}, u"2013年3月12日8时8分20秒", u"2013年3月12日"},
        DateTimeCase{{2013, 3, 12, 8, 5, 0}, u"2013年3月12日8时5分", u"2013年3月12日"},
        DateTimeCase{{2013, 3, 12, 8, 0, 0}, u"2013年3月12日8时", u"2013年3月12日"},
        DateTimeCase{{2013, 3, 12, 0, 0, 0}, u"2013年3月12日", u"2013年3月12日"},
        DateTimeCase{{2013, 3, 12, 0, 0, 9}, u"2013年3月12日0时0分9秒", u"2013年3月12日"},
        DateTimeCase{{2024, 12, 25, 23, 59, 0}, u"2024年12月25日23时59分", u"2024年12月25日"},
        DateTimeCase{{2024, 1, 9, 0, 30, 0}, u"2024年1月9日0时30分", u"2024年1月9日"}));

TEST(FindGbk, GivesOneBasedPositionsAndStepsOverDoubleByteCharacters) {
  EXPECT_EQ(worksheet::FindGbk("Office", "ffice"), 2);
  EXPECT_EQ(worksheet::FindGbk("Office", "Office"), 1);
  EXPECT_EQ(worksheet::FindGbk("Office", "office"), -1);
  EXPECT_EQ(worksheet::FindGbk("", "ffice"), -1);
  // 日 is C8 D5; in 12C8D5 the bytes "\xD5" "\xC8" straddling two characters never match.
  EXPECT_EQ(worksheet::FindGbk("12\xC8\xD5", "\xC8\xD5"), 3);
  EXPECT_EQ(worksheet::FindGbk("\xB0\xC8\xD5\xB0", "\xC8\xD5"), -1);
}

}  // namespace
}  // namespace mochi::testing

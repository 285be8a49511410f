#include <gtest/gtest.h>

#include "native_platform.h"

namespace mochi::platform {
namespace {

struct Pair {
  std::string gbk;
  std::u16string utf16;
};

TEST(TextCodecTest, MapsLikeCodePage936BothWays) {
  auto codec = testing::MakeNativeTextCodec();
  const Pair pairs[] = {
      {"", u""},
      {"abc 1;", u"abc 1;"},
      {"\x80", u"\u20ac"},            // euro sign
      {"\xa1\xaa", u"\u2014"},        // em dash, as in "——孔子"
      {"\xa1\xa4", u"\u00b7"},        // middle dot
      {"\xb2\x74\xcd\xfb", u"瞭望"},  // a trail byte below A1
      {"\xd2\xbb\xa3\xac", u"一，"},  // full-width comma
  };
  for (const Pair& pair : pairs) {
    EXPECT_EQ(codec->GbkToUtf16(pair.gbk), pair.utf16);
    EXPECT_EQ(codec->Utf16ToGbk(pair.utf16), pair.gbk);
  }
}

TEST(TextCodecTest, RefusesWhatHasNoCounterpart) {
  auto codec = testing::MakeNativeTextCodec();
  EXPECT_EQ(codec->GbkToUtf16("\xd2"), std::nullopt);         // a lead byte cut off
  EXPECT_EQ(codec->GbkToUtf16("a\xd2\x20"), std::nullopt);    // a lead byte before a blank
  EXPECT_EQ(codec->Utf16ToGbk(u"\U0001F600"), std::nullopt);  // outside GBK
  EXPECT_EQ(codec->Utf16ToGbk(u"\uac00"), std::nullopt);      // Hangul has no GBK form
}

}  // namespace
}  // namespace mochi::platform

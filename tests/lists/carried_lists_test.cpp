// The eight carried lists: their bytes, and the tables a real load makes of them.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "lists/word_lists.h"
#include "native_platform.h"

namespace mochi::lists {
namespace {

class CarriedListsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    native_ = new testing::NativeFiles();
    tables_ = new WordListTables();
    LoadWordLists(native_->files(), CarriedLists(), *tables_);
  }
  static void TearDownTestSuite() {
    delete tables_;
    delete native_;
  }

  // The GBK bytes of a text written here in UTF-16.
  std::string Gbk(std::u16string_view text) { return codec_->Utf16ToGbk(text).value(); }

  static testing::NativeFiles* native_;
  static WordListTables* tables_;
  std::unique_ptr<platform::TextCodec> codec_ = testing::MakeNativeTextCodec();
};

testing::NativeFiles* CarriedListsTest::native_ = nullptr;
WordListTables* CarriedListsTest::tables_ = nullptr;

TEST_F(CarriedListsTest, ListsComeInLoadingOrderWithTheirFilesAndSizes) {
  struct Expected {
    const char* name;
    const char* path;
    std::size_t bytes;
    int rows;
  };
  const Expected expected[] = {
      {"CharacterList", "c:\\windows\\zi1.txt", 10148, kCharacterCount},
      {"WordFirstList", "c:\\windows\\zi2.txt", 5652, kWordCount},
      {"WordSecondList", "c:\\windows\\zi3.txt", 5652, kWordCount},
      {"IdiomCharList1", "c:\\windows\\zi4.txt", 7064, kIdiomCount},
      {"IdiomCharList2", "c:\\windows\\zi5.txt", 7064, kIdiomCount},
      {"IdiomCharList3", "c:\\windows\\zi6.txt", 7064, kIdiomCount},
      {"IdiomCharList4", "c:\\windows\\zi7.txt", 7064, kIdiomCount},
      {"MottoList", "c:\\windows\\my.txt", 15943, kMottoCount},
  };
  const auto lists = CarriedLists();
  ASSERT_EQ(lists.size(), std::size(expected));
  for (std::size_t i = 0; i < lists.size(); ++i) {
    EXPECT_EQ(lists[i].name, expected[i].name);
    EXPECT_EQ(lists[i].path, expected[i].path);
    EXPECT_EQ(lists[i].bytes.size(), expected[i].bytes) << expected[i].name;
    EXPECT_EQ(tables_->InLoadingOrder(static_cast<int>(i)).RowCount(), expected[i].rows)
        << expected[i].name;
  }
}

TEST_F(CarriedListsTest, FilesAreGbkLinesWithCrLfAndNothingElse) {
  for (const CarriedList& list : CarriedLists()) {
    const std::string_view bytes(list.bytes.data(), list.bytes.size());
    SCOPED_TRACE(std::string(list.name));
    EXPECT_NE(bytes.substr(0, 3), "\xef\xbb\xbf");
    EXPECT_EQ(bytes.find('\0'), std::string_view::npos);
    EXPECT_EQ(bytes.find('\x1a'), std::string_view::npos);
    const bool isMottos = list.name == "MottoList";
    EXPECT_EQ(bytes.ends_with("\r\n"), !isMottos);
    // Every CR is the start of a CR LF, every LF the end of one.
    for (std::size_t i = 0; i < bytes.size(); ++i) {
      if (bytes[i] == '\r') {
        EXPECT_EQ(bytes.substr(i, 2), "\r\n") << "at byte " << i;
      }
      if (bytes[i] == '\n') {
        EXPECT_TRUE(i > 0 && bytes[i - 1] == '\r') << "at byte " << i;
      }
    }
    if (!isMottos) {
      // One double-byte character a line: four bytes a line.
      for (std::size_t i = 0; i < bytes.size(); i += 4) {
        EXPECT_GE(static_cast<unsigned char>(bytes[i]), 0x81) << "line " << i / 4 + 1;
        EXPECT_EQ(bytes.substr(i + 2, 2), "\r\n") << "line " << i / 4 + 1;
      }
    }
  }
}

TEST_F(CarriedListsTest, EveryEntryIsGbkTextWithoutLineEnds) {
  for (int i = 0; i < 8; ++i) {
    const ListTable& table = tables_->InLoadingOrder(i);
    for (int k = 1; k <= table.RowCount(); ++k) {
      const std::string cell = table.GetCell(k, 1);
      EXPECT_FALSE(cell.empty()) << "list " << i << " row " << k;
      EXPECT_EQ(cell.find_first_of("\r\n"), std::string::npos) << "list " << i << " row " << k;
      EXPECT_TRUE(codec_->GbkToUtf16(cell).has_value()) << "list " << i << " row " << k;
    }
  }
}

TEST_F(CarriedListsTest, TellingRows) {
  auto word = [&](int k) {
    return tables_->WordFirstList.GetCell(k, 1) + tables_->WordSecondList.GetCell(k, 1);
  };
  auto idiom = [&](int k) {
    return tables_->IdiomCharList1.GetCell(k, 1) + tables_->IdiomCharList2.GetCell(k, 1) +
           tables_->IdiomCharList3.GetCell(k, 1) + tables_->IdiomCharList4.GetCell(k, 1);
  };
  const std::u16string characters = u"一乙二十丁厂七卜人入";
  for (int k = 1; k <= 10; ++k) {
    EXPECT_EQ(tables_->CharacterList.GetCell(k, 1), Gbk(characters.substr(k - 1, 1))) << k;
  }
  const std::u16string lastCharacters = u"尉吁浒咋幢";
  for (int k = 2533; k <= 2537; ++k) {
    EXPECT_EQ(tables_->CharacterList.GetCell(k, 1), Gbk(lastCharacters.substr(k - 2533, 1))) << k;
  }
  EXPECT_EQ(tables_->CharacterList.GetCell(1, 0), "1");
  EXPECT_EQ(tables_->CharacterList.GetCell(2537, 0), "2537");

  const std::u16string words[] = {u"爱抚", u"爱戴", u"爱慕", u"爱好",
                                  u"喜好", u"嗜好", u"爱护", u"爱惜"};
  for (int k = 1; k <= 8; ++k) EXPECT_EQ(word(k), Gbk(words[k - 1])) << k;
  const std::u16string lastWords[] = {u"来回", u"往返", u"立刻", u"赶快", u"赶紧"};
  for (int k = 1409; k <= 1413; ++k) EXPECT_EQ(word(k), Gbk(lastWords[k - 1409])) << k;
  // 瞭 lies outside GB2312: its trail byte is below A1.
  EXPECT_EQ(tables_->WordFirstList.GetCell(473, 1), "\xb2\x74");
  EXPECT_EQ(word(473), Gbk(u"瞭望"));

  EXPECT_EQ(idiom(1), Gbk(u"平易近人"));
  EXPECT_EQ(idiom(2), Gbk(u"宽宏大度"));
  EXPECT_EQ(idiom(3), Gbk(u"冰清玉洁"));
  EXPECT_EQ(idiom(671), Gbk(u"心慈面善"));
  EXPECT_EQ(idiom(672), Gbk(u"蓬头垢面"));  // carried whole
  EXPECT_EQ(tables_->IdiomCharList4.GetCell(672, 0), "672");
  EXPECT_EQ(idiom(673), Gbk(u"雍容华贵"));
  EXPECT_EQ(idiom(1766), Gbk(u"坚贞不屈"));

  const ListTable& mottos = tables_->MottoList;
  EXPECT_EQ(mottos.GetCell(2, 1), Gbk(u"把自己当傻瓜，不懂就问，你会学的更多。"));
  EXPECT_EQ(mottos.GetCell(3, 1), Gbk(u"宝剑不磨要生锈，人不学习要落后。"));
  EXPECT_EQ(mottos.GetCell(301, 1), Gbk(u"温故而知新。"));
  EXPECT_EQ(mottos.GetCell(356, 1),
            Gbk(u"以铜为镜，可以正衣冠;以古为镜，可以知兴替;以人为镜，可以明得失。"));
  // The last motto has no line end after it and is whole all the same.
  EXPECT_EQ(mottos.GetCell(397, 1), Gbk(u"做到老，学到老，活到八十还学巧。"));
}

TEST_F(CarriedListsTest, EntriesAreDistinctWithinEachList) {
  auto distinct = [](int rows, auto entry) {
    std::set<std::string> seen;
    for (int k = 1; k <= rows; ++k) seen.insert(entry(k));
    return static_cast<int>(seen.size());
  };
  EXPECT_EQ(distinct(kCharacterCount, [&](int k) { return tables_->CharacterList.GetCell(k, 1); }),
            kCharacterCount);
  EXPECT_EQ(distinct(kWordCount,
                     [&](int k) {
                       return tables_->WordFirstList.GetCell(k, 1) +
                              tables_->WordSecondList.GetCell(k, 1);
                     }),
            kWordCount);
  EXPECT_EQ(distinct(kIdiomCount,
                     [&](int k) {
                       return tables_->IdiomCharList1.GetCell(k, 1) +
                              tables_->IdiomCharList2.GetCell(k, 1) +
                              tables_->IdiomCharList3.GetCell(k, 1) +
                              tables_->IdiomCharList4.GetCell(k, 1);
                     }),
            kIdiomCount);
  EXPECT_EQ(distinct(kMottoCount, [&](int k) { return tables_->MottoList.GetCell(k, 1); }),
            kMottoCount);
}

TEST_F(CarriedListsTest, MottosRunFromTwelveToSixtyFourBytesWithLittleAscii) {
  const ListTable& mottos = tables_->MottoList;
  int fullStops = 0;
  for (int k = 1; k <= kMottoCount; ++k) {
    const std::string motto = mottos.GetCell(k, 1);
    if (k == 301) {
      EXPECT_EQ(motto.size(), 12u);
    } else if (k == 356) {
      EXPECT_EQ(motto.size(), 64u);
    } else {
      EXPECT_GT(motto.size(), 12u) << "row " << k << " is as short as row 301";
      EXPECT_LT(motto.size(), 64u) << "row " << k << " is as long as row 356";
    }
    for (std::size_t i = 0; i < motto.size(); ++i) {
      const auto byte = static_cast<unsigned char>(motto[i]);
      if (byte >= 0x81) {
        ++i;  // the trail byte of a double-byte character
        continue;
      }
      if (byte == '.') ++fullStops;
      EXPECT_NE(std::string_view(" ()-;.").find(static_cast<char>(byte)), std::string_view::npos)
          << "row " << k << " has ASCII " << static_cast<int>(byte);
    }
  }
  EXPECT_EQ(fullStops, 1);
}

}  // namespace
}  // namespace mochi::lists

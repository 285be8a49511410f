// Loading lists through real files: line reading, and lists whose files cannot be written or
// opened.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "lists/word_lists.h"
#include "native_platform.h"

namespace mochi::lists {
namespace {

std::span<const char> Span(const std::string& bytes) { return {bytes.data(), bytes.size()}; }

std::vector<std::string> Entries(const ListTable& table) {
  std::vector<std::string> entries;
  for (int k = 1; k <= table.RowCount(); ++k) {
    EXPECT_EQ(table.GetCell(k, 0), std::to_string(k));
    entries.push_back(table.GetCell(k, 1));
  }
  return entries;
}

struct LineCase {
  const char* name;
  std::string bytes;
  std::vector<std::string> entries;
};

class LineReadingTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(LineReadingTest, FileBytesBecomeTheseEntries) {
  const LineCase& c = GetParam();
  testing::NativeFiles native;
  const std::string path = native.ProgramPath(std::string(c.name) + ".txt");
  const CarriedList list{"CharacterList", path, Span(c.bytes)};
  WordListTables tables;

  LoadWordLists(native.files(), std::span(&list, 1), tables);

  EXPECT_EQ(Entries(tables.CharacterList), c.entries);
}

const std::string kLongLine(40000, 'x');  // longer than any block the reader reads at once

INSTANTIATE_TEST_SUITE_P(
    Cases, LineReadingTest,
    ::testing::Values(
        LineCase{"crlf_after_last", "a\r\nb\r\n", {"a", "b"}},
        LineCase{"no_end_after_last", "a\r\nb", {"a", "b"}},
        LineCase{"lf_only", "a\nb\n", {"a", "b"}},
        LineCase{"empty_line_is_an_entry", "a\r\n\r\nb\r\n", {"a", "", "b"}},
        LineCase{"empty_last_before_end", "a\n\n", {"a", ""}},
        LineCase{"only_a_line_end", "\r\n", {""}}, LineCase{"empty_file", "", {}},
        LineCase{"one_cr_dropped", "a\r\r\n", {"a\r"}},
        LineCase{"cr_inside_kept", "a\rb\n", {"a\rb"}},
        LineCase{"gbk_trail_bytes_kept", "\xb2\x74\r\n\xb2\x0a", {"\xb2\x74", "\xb2"}},
        LineCase{"long_line_across_blocks", kLongLine + "\r\n" + kLongLine, {kLongLine, kLongLine}},
        LineCase{
            "cr_at_block_end", std::string(4095, 'y') + "\r\nz", {std::string(4095, 'y'), "z"}}),
    [](const ::testing::TestParamInfo<LineCase>& info) { return std::string(info.param.name); });

TEST(LineReadingTest, LineEndsSplitAtAnyPowerOfTwoBoundaryAreFound) {
  testing::NativeFiles native;
  // A reader working in blocks may see the CR of a line end in one block and its LF in the next.
  for (const std::size_t length : {1023u, 1024u, 4095u, 4096u, 8191u, 16383u, 16384u, 65535u}) {
    const std::string bytes = std::string(length, 'y') + "\r\nz\r\n";
    const std::string path = native.ProgramPath("boundary.txt");
    const CarriedList list{"CharacterList", path, Span(bytes)};
    WordListTables tables;
    LoadWordLists(native.files(), std::span(&list, 1), tables);
    EXPECT_EQ(Entries(tables.CharacterList),
              (std::vector<std::string>{std::string(length, 'y'), "z"}))
        << "line of " << length << " bytes";
  }
}

// Three small lists standing for the first three of the eight.
struct ThreeLists {
  explicit ThreeLists(const testing::NativeFiles& native)
      : paths{native.ProgramPath("one.txt"), native.ProgramPath("two.txt"),
              native.ProgramPath("three.txt")} {}
  std::string bytes[3] = {"a\r\nb\r\n", "c\r\n", "d\r\ne\r\nf"};
  std::string paths[3];
  CarriedList lists[3] = {
      {"CharacterList", paths[0], Span(bytes[0])},
      {"WordFirstList", paths[1], Span(bytes[1])},
      {"WordSecondList", paths[2], Span(bytes[2])},
  };
};

TEST(LoadWordListsTest, AFileThatCannotBeRewrittenIsLoadedAsItStands) {
  testing::NativeFiles native;
  ThreeLists three(native);
  // An earlier start left the second file, and something still holds it open, shared for
  // reading and writing, so the write (which shares with nobody) fails.
  const std::string earlier = "old1\r\nold2\r\nold3\r\n";
  ASSERT_TRUE(native.files().WriteWholeFile(three.lists[1].path, Span(earlier)));
  auto holder = native.files().OpenExisting(three.lists[1].path);
  ASSERT_NE(holder, nullptr);
  WordListTables tables;

  LoadWordLists(native.files(), three.lists, tables);

  EXPECT_EQ(Entries(tables.CharacterList), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(Entries(tables.WordFirstList), (std::vector<std::string>{"old1", "old2", "old3"}));
  EXPECT_EQ(Entries(tables.WordSecondList), (std::vector<std::string>{"d", "e", "f"}));
}

TEST(LoadWordListsTest, AFileThatCannotBeOpenedLeavesOnlyItsTableWithoutRows) {
  testing::NativeFiles native;
  ThreeLists three(native);
  // A folder where the second file should be: it can be neither written nor opened as a file.
  std::filesystem::create_directory(native.NativePath(three.lists[1].path));
  WordListTables tables;

  LoadWordLists(native.files(), three.lists, tables);

  EXPECT_EQ(tables.WordFirstList.RowCount(), 0);
  EXPECT_EQ(tables.WordFirstList.GetCell(1, 1), "");
  EXPECT_EQ(Entries(tables.CharacterList), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(Entries(tables.WordSecondList), (std::vector<std::string>{"d", "e", "f"}));
}

TEST(LoadWordListsTest, EachFileIsRewrittenWithTheCarriedBytesAndReleasedAfterLoading) {
  testing::NativeFiles native;
  ThreeLists three(native);
  const std::string stale = "stale and much longer than the carried bytes\r\n";
  ASSERT_TRUE(native.files().WriteWholeFile(three.lists[2].path, Span(stale)));
  WordListTables tables;

  LoadWordLists(native.files(), three.lists, tables);

  EXPECT_EQ(Entries(tables.WordSecondList), (std::vector<std::string>{"d", "e", "f"}));
  // Nothing holds the files any more: they can be rewritten at once.
  for (const CarriedList& list : three.lists) {
    EXPECT_TRUE(native.files().WriteWholeFile(list.path, list.bytes)) << list.path;
  }
}

}  // namespace
}  // namespace mochi::lists

#pragma once
// The eight carried word lists, their tables, and their loading at start.

#include <array>
#include <span>
#include <string_view>

#include "lists/list_table.h"
#include "platform/files.h"

namespace mochi::lists {

// The number of entries of each list, with which the worksheets draw.
inline constexpr int kCharacterCount = 2537;
inline constexpr int kWordCount = 1413;
inline constexpr int kIdiomCount = 1766;
inline constexpr int kMottoCount = 397;

// One carried list: its name, the file it is written to, and the file's exact bytes.
struct CarriedList {
  std::string_view name;
  std::string_view path;
  std::span<const char> bytes;
};

// The eight lists in loading order: CharacterList, WordFirstList, WordSecondList,
// IdiomCharList1 to IdiomCharList4, MottoList.
std::span<const CarriedList> CarriedLists();

// The eight tables, filled by LoadWordLists and only read afterwards.
struct WordListTables {
  ListTable CharacterList;
  ListTable WordFirstList;
  ListTable WordSecondList;
  ListTable IdiomCharList1;
  ListTable IdiomCharList2;
  ListTable IdiomCharList3;
  ListTable IdiomCharList4;
  ListTable MottoList;

  // The table of the i-th list in loading order (0 to 7).
  ListTable& InLoadingOrder(int i);
};

// For each list in loading order: writes its bytes to its file, reads the file back line by
// line and fills the list's table. Reports nothing; a failure in one list leaves the others
// unaffected (a failed write loads whatever file stands; a failed open leaves the table empty).
void LoadWordLists(platform::FileSystem& files, std::span<const CarriedList> lists,
                   WordListTables& tables);

}  // namespace mochi::lists

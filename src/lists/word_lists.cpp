#include "lists/word_lists.h"

#include <array>
#include <cstddef>
#include <string>

#include "lists/line_reader.h"

extern const unsigned char asset_zi1_txt[], asset_zi2_txt[], asset_zi3_txt[], asset_zi4_txt[],
    asset_zi5_txt[], asset_zi6_txt[], asset_zi7_txt[], asset_my_txt[];
extern const std::size_t asset_zi1_txt_size, asset_zi2_txt_size, asset_zi3_txt_size,
    asset_zi4_txt_size, asset_zi5_txt_size, asset_zi6_txt_size, asset_zi7_txt_size,
    asset_my_txt_size;

namespace mochi::lists {
namespace {

std::span<const char> Bytes(const unsigned char* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// Writes the list's bytes to its file and reads the file back into the table.
void LoadOneList(platform::FileSystem& files, const CarriedList& list, ListTable& table) {
  // A failed write is not an error: whatever file stands at the path (one left by an earlier
  // start, say) is what gets loaded.
  files.WriteWholeFile(list.path, list.bytes);

  // Nothing reads a list file again, so it is closed as soon as it has been read.
  const std::vector<std::string> lines = ReadLines(files.OpenExisting(list.path).get());

  const int count = static_cast<int>(lines.size());
  table.SetRowCount(count);
  for (int k = 1; k <= count; ++k) {
    table.SetCell(k, 0, std::to_string(k));
    table.SetCell(k, 1, lines[static_cast<std::size_t>(k - 1)]);
  }
}

}  // namespace

std::span<const CarriedList> CarriedLists() {
  static const std::array<CarriedList, 8> lists = {{
      {"CharacterList", "c:\\windows\\zi1.txt", Bytes(asset_zi1_txt, asset_zi1_txt_size)},
      {"WordFirstList", "c:\\windows\\zi2.txt", Bytes(asset_zi2_txt, asset_zi2_txt_size)},
      {"WordSecondList", "c:\\windows\\zi3.txt", Bytes(asset_zi3_txt, asset_zi3_txt_size)},
      {"IdiomCharList1", "c:\\windows\\zi4.txt", Bytes(asset_zi4_txt, asset_zi4_txt_size)},
      {"IdiomCharList2", "c:\\windows\\zi5.txt", Bytes(asset_zi5_txt, asset_zi5_txt_size)},
      {"IdiomCharList3", "c:\\windows\\zi6.txt", Bytes(asset_zi6_txt, asset_zi6_txt_size)},
      {"IdiomCharList4", "c:\\windows\\zi7.txt", Bytes(asset_zi7_txt, asset_zi7_txt_size)},
      {"MottoList", "c:\\windows\\my.txt", Bytes(asset_my_txt, asset_my_txt_size)},
  }};
  return lists;
}

ListTable& WordListTables::InLoadingOrder(int i) {
  std::array<ListTable*, 8> order = {&CharacterList,  &WordFirstList,  &WordSecondList,
                                     &IdiomCharList1, &IdiomCharList2, &IdiomCharList3,
                                     &IdiomCharList4, &MottoList};
  return *order.at(static_cast<std::size_t>(i));
}

void LoadWordLists(platform::FileSystem& files, std::span<const CarriedList> lists,
                   WordListTables& tables) {
  for (std::size_t i = 0; i < lists.size() && i < 8; ++i) {
    LoadOneList(files, lists[i], tables.InLoadingOrder(static_cast<int>(i)));
  }
}

}  // namespace mochi::lists

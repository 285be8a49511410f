#pragma once
// An in-memory table of text cells holding one word list: rows 1 to the row count, columns 0
// (the row number in decimal) and 1 (the entry's GBK text).

#include <array>
#include <string>
#include <vector>

namespace mochi::lists {

class ListTable {
 public:
  static constexpr int kColumns = 2;

  // For n of 1 or more the table has exactly n rows afterwards, added rows empty; for n of 0 or
  // less it stays unchanged.
  void SetRowCount(int n);
  // The cell takes a copy of text; a row or column outside the table changes nothing.
  void SetCell(int row, int column, const std::string& text);
  // A copy of the cell's text; the empty text for a row or column outside the table.
  std::string GetCell(int row, int column) const;

  int RowCount() const { return static_cast<int>(rows_.size()); }

 private:
  bool Contains(int row, int column) const;
  std::vector<std::array<std::string, kColumns>> rows_;
};

}  // namespace mochi::lists

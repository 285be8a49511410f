#include "lists/list_table.h"

namespace mochi::lists {

void ListTable::SetRowCount(int n) {
  if (n <= 0) return;
  rows_.resize(static_cast<std::size_t>(n));
}

bool ListTable::Contains(int row, int column) const {
  return row >= 1 && row <= RowCount() && column >= 0 && column < kColumns;
}

void ListTable::SetCell(int row, int column, const std::string& text) {
  if (!Contains(row, column)) return;
  rows_[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(column)] = text;
}

std::string ListTable::GetCell(int row, int column) const {
  if (!Contains(row, column)) return std::string();
  return rows_[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(column)];
}

}  // namespace mochi::lists

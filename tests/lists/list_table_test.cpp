#include "lists/list_table.h"

#include <gtest/gtest.h>

namespace mochi::lists {
namespace {

TEST(ListTableTest, StartsWithoutRows) {
  ListTable table;
  EXPECT_EQ(table.RowCount(), 0);
  EXPECT_EQ(table.GetCell(1, 1), "");
}

TEST(ListTableTest, SetRowCountIgnoresZeroAndLessAndOtherwiseSetsTheCountExactly) {
  ListTable table;
  struct Step {
    int n;
    int rowsAfter;
  };
  for (const Step step :
       {Step{0, 0}, Step{-3, 0}, Step{3, 3}, Step{0, 3}, Step{-1, 3}, Step{5, 5}, Step{2, 2}}) {
    table.SetRowCount(step.n);
    EXPECT_EQ(table.RowCount(), step.rowsAfter) << "after SetRowCount(" << step.n << ")";
  }
}

TEST(ListTableTest, GrowingKeepsCellsAndAddsEmptyRows) {
  ListTable table;
  table.SetRowCount(1);
  table.SetCell(1, 1, "\xd2\xbb");  // 一
  table.SetRowCount(3);
  EXPECT_EQ(table.GetCell(1, 1), "\xd2\xbb");
  EXPECT_EQ(table.GetCell(3, 0), "");
  EXPECT_EQ(table.GetCell(3, 1), "");
}

TEST(ListTableTest, CellsOutsideTheTableAreNeitherWrittenNorRead) {
  ListTable table;
  table.SetRowCount(2);
  table.SetCell(1, 0, "1");
  table.SetCell(2, 1, "b");
  struct Cell {
    int row;
    int column;
  };
  for (const Cell cell :
       {Cell{0, 1}, Cell{3, 1}, Cell{-1, 0}, Cell{1, -1}, Cell{1, 2}, Cell{2, 7}}) {
    table.SetCell(cell.row, cell.column, "x");
    EXPECT_EQ(table.GetCell(cell.row, cell.column), "")
        << "row " << cell.row << " column " << cell.column;
  }
  EXPECT_EQ(table.RowCount(), 2);
  EXPECT_EQ(table.GetCell(1, 0), "1");
  EXPECT_EQ(table.GetCell(1, 1), "");
  EXPECT_EQ(table.GetCell(2, 0), "");
  EXPECT_EQ(table.GetCell(2, 1), "b");
}

TEST(ListTableTest, CellsHoldCopies) {
  ListTable table;
  table.SetRowCount(1);
  std::string text = "abc";
  table.SetCell(1, 1, text);
  text[0] = 'z';
  std::string read = table.GetCell(1, 1);
  read[1] = 'z';
  EXPECT_EQ(table.GetCell(1, 1), "abc");
}

}  // namespace
}  // namespace mochi::lists

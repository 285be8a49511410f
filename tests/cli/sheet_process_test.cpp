// mochi-sheet as a whole process: what it prints and its exit status.

#include <gtest/gtest.h>

#include <stdio.h>
#include <sys/wait.h>

#include <string>

namespace {

struct Result {
  int status = -1;
  std::string out;
};

// Runs mochi-sheet with arguments (shell words) and gathers its standard output.
Result RunSheet(const std::string& arguments) {
  const std::string command = std::string(MOCHI_SHEET_PATH) + " " + arguments + " 2>/dev/null";
  Result result;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) return result;
  char buffer[4096];
  std::size_t read = 0;
  while ((read = ::fread(buffer, 1, sizeof buffer, pipe)) > 0) result.out.append(buffer, read);
  const int status = ::pclose(pipe);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

int CountLines(const std::string& text, const std::string& line) {
  int count = 0;
  for (std::size_t at = text.find(line + "\n"); at != std::string::npos;
       at = text.find(line + "\n", at + 1)) {
    if (at == 0 || text[at - 1] == '\n') ++count;
  }
  return count;
}

TEST(SheetProcess, PrintsAnIdiomsSheetWithTheSignatureAndItsTrace) {
  const Result result = RunSheet("--kind idioms --ending signature --seed 1 --trace");
  ASSERT_EQ(result.status, 0);
  EXPECT_EQ(CountLines(result.out, "Selection.MoveRight(16, 1, 0)"), 157);
  EXPECT_EQ(CountLines(result.out, "Selection.MoveDown(4, 1, 0)"), 44);
  EXPECT_NE(result.out.find("小学生学写成语练习\n"), std::string::npos);
  EXPECT_NE(result.out.find("家长签字：" + std::string(34, ' ')), std::string::npos);
  // Thirteen grid rows, each with four filled boxes and eight blank ones.
  EXPECT_EQ(std::count(result.out.begin(), result.out.end(), '|'), 13 * 13);
}

TEST(SheetProcess, TheSameSeedPrintsTheSameSheet) {
  const Result first = RunSheet("--kind words --seed 77");
  const Result second = RunSheet("--kind words --seed 77");
  const Result other = RunSheet("--kind words --seed 78");
  ASSERT_EQ(first.status, 0);
  EXPECT_EQ(first.out, second.out);
  EXPECT_NE(first.out, other.out);
}

TEST(SheetProcess, AWrongOptionEndsWithStatusTwoAndNoSheet) {
  const Result result = RunSheet("--kind poems");
  EXPECT_EQ(result.status, 2);
  EXPECT_EQ(result.out, "");
}

}  // namespace

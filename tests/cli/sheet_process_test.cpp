// mochi-sheet as a whole process: what it prints and its exit status.

#include <gtest/gtest.h>

#include <stdio.h>
#include <sys/wait.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
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

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// The UTF-16LE bytes of a UTF-8 text of characters from the Basic Multilingual Plane.
std::string Utf16Bytes(const std::string& utf8) {
  std::string out;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : 3;
    unsigned code = length == 1 ? lead : length == 2 ? lead & 0x1F : lead & 0x0F;
    for (int k = 1; k < length; ++k) code = (code << 6) | (utf8[i + k] & 0x3F);
    out += static_cast<char>(code & 0xFF);
    out += static_cast<char>(code >> 8);
    i += length;
  }
  return out;
}

class SheetOutput : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ =
        std::filesystem::temp_directory_path() / ("mochi-sheet-test-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }
  std::filesystem::path folder_;
};

TEST_F(SheetOutput, SavesTheSheetItPrintsAsAWordDocument) {
  const auto path = folder_ / "w.doc";
  const Result result = RunSheet("--kind words --seed 5 -o " + path.string());
  ASSERT_EQ(result.status, 0);
  const std::string bytes = ReadFile(path);
  EXPECT_EQ(bytes.substr(0, 8), "\xd0\xcf\x11\xe0\xa1\xb1\x1a\xe1");
  // The first row's word, as printed ("| 爱 | 护 |"), is in the document's text.
  const std::size_t row = result.out.find("| ", result.out.find("+----"));
  ASSERT_NE(row, std::string::npos);
  const std::string first = result.out.substr(row + 2, 3);
  const std::string second = result.out.substr(row + 2 + 3 + 3, 3);
  EXPECT_NE(bytes.find(Utf16Bytes(first)), std::string::npos) << first;
  EXPECT_NE(bytes.find(Utf16Bytes(second)), std::string::npos) << second;
  EXPECT_NE(bytes.find(Utf16Bytes("小学生学写词组练习")), std::string::npos);
  // Nothing but the document is left in the folder.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_), {}), 1);
}

TEST_F(SheetOutput, APathThatCannotBeWrittenFailsWithStatusOneAndLeavesNothing) {
  const auto path = folder_ / "no-such-folder" / "w.doc";
  const Result result = RunSheet("--kind idioms --seed 5 -o " + path.string());
  EXPECT_EQ(result.status, 1);
  EXPECT_FALSE(std::filesystem::exists(path));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_), {}), 0);
}

TEST(SheetProcess, AWrongOptionEndsWithStatusTwoAndNoSheet) {
  const Result result = RunSheet("--kind poems");
  EXPECT_EQ(result.status, 2);
  EXPECT_EQ(result.out, "");
}

}  // namespace

#include "docfile/save_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace mochi::docfile {
namespace {

namespace fs = std::filesystem;

class SaveFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              (std::string("mochi-save-") +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  static std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  std::vector<fs::path> Files() const {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(folder_))
      files.push_back(entry.path().filename());
    return files;
  }

  fs::path folder_;
};

TEST_F(SaveFileTest, WritesTheBytesAndReplacesAnOlderFile) {
  const fs::path path = folder_ / "sheet.doc";
  std::ofstream(path) << "an older and longer file";
  const std::string bytes("new\0bytes", 9);
  const SaveResult result = SaveFileAtomically(path.string(), bytes);
  EXPECT_TRUE(result.ok) << result.error;
  EXPECT_EQ(Read(path), bytes);
  EXPECT_EQ(Files(), std::vector<fs::path>{"sheet.doc"});  // no temporary left behind
}

TEST_F(SaveFileTest, MissingFolderIsReportedOnOneLine) {
  const std::string path = (folder_ / "no such folder" / "sheet.doc").string();
  const SaveResult result = SaveFileAtomically(path, "bytes");
  EXPECT_FALSE(result.ok);
  EXPECT_NE(result.error.find(path), std::string::npos);
  EXPECT_EQ(result.error.find('\n'), std::string::npos);
  EXPECT_TRUE(Files().empty());
}

TEST_F(SaveFileTest, FailedRenameRemovesTheTemporaryAndKeepsWhatWasThere) {
  // A folder cannot be replaced by a file: the rename fails after the temporary was written.
  const fs::path path = folder_ / "sheet.doc";
  fs::create_directories(path / "inside");
  const SaveResult result = SaveFileAtomically(path.string(), "bytes");
  EXPECT_FALSE(result.ok);
  EXPECT_NE(result.error.find(path.string()), std::string::npos);
  EXPECT_TRUE(fs::is_directory(path / "inside"));
  EXPECT_EQ(Files(), std::vector<fs::path>{"sheet.doc"});
}

}  // namespace
}  // namespace mochi::docfile

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

TEST_F(SaveFileTest, ASymlinkIsWrittenThroughAndStaysALink) {
  const fs::path target = folder_ / "real.doc";
  const fs::path link = folder_ / "sheet.doc";
  std::ofstream(target) << "old";
  std::error_code error;
  fs::create_symlink(target, link, error);
  if (error) GTEST_SKIP() << "no symbolic links here: " << error.message();
  const SaveResult result = SaveFileAtomically(link.string(), "new");
  EXPECT_TRUE(result.ok) << result.error;
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(Read(target), "new");
}

// A device must never be replaced by a file ("-o /dev/stdout" run as root would otherwise
// replace the system's link). Reached through a link in the test folder, so that a fault
// replaces only that link.
TEST_F(SaveFileTest, ADeviceIsNotReplaced) {
  const fs::path device = "/dev/null";
  const fs::path link = folder_ / "sheet.doc";
  std::error_code error;
  if (fs::exists(device)) fs::create_symlink(device, link, error);
  if (!fs::exists(device) || error) GTEST_SKIP() << "no /dev/null or no symbolic links here";
  const SaveResult result = SaveFileAtomically(link.string(), "bytes");
  EXPECT_FALSE(result.ok);
  EXPECT_NE(result.error.find("not a regular file"), std::string::npos);
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(Files(), std::vector<fs::path>{"sheet.doc"});
}

TEST_F(SaveFileTest, AFolderIsNotReplaced) {
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

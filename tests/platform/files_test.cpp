#include <gtest/gtest.h>

#include <string>

#include "native_platform.h"

namespace mochi::platform {
namespace {

std::span<const char> Span(std::string_view bytes) { return {bytes.data(), bytes.size()}; }

std::string ReadAll(OpenFile& file) {
  std::string bytes(static_cast<std::size_t>(file.Size()), '\0');
  bytes.resize(file.ReadAt(0, bytes));
  return bytes;
}

TEST(FilesTest, WriteCreatesThenTruncatesAndOpenReadsWhatStands) {
  testing::NativeFiles native;
  const std::string path = native.ProgramPath("mochi-files-rewrite.txt");
  ASSERT_TRUE(native.files().WriteWholeFile(path, Span("a longer first content")));
  ASSERT_TRUE(native.files().WriteWholeFile(path, Span("short")));
  auto file = native.files().OpenExisting(path);
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(file->Size(), 5u);
  EXPECT_EQ(ReadAll(*file), "short");
}

TEST(FilesTest, ReadsAtPositionsAndNothingPastTheEnd) {
  testing::NativeFiles native;
  const std::string path = native.ProgramPath("mochi-files-positions.txt");
  ASSERT_TRUE(native.files().WriteWholeFile(path, Span("0123456789")));
  auto file = native.files().OpenExisting(path);
  ASSERT_NE(file, nullptr);
  std::string out(4, '\0');
  EXPECT_EQ(file->ReadAt(3, out), 4u);
  EXPECT_EQ(out, "3456");
  EXPECT_EQ(file->ReadAt(8, out), 2u);
  EXPECT_EQ(out.substr(0, 2), "89");
  EXPECT_EQ(file->ReadAt(10, out), 0u);
  EXPECT_EQ(file->ReadAt(1000, out), 0u);
}

TEST(FilesTest, OpeningAMissingFileFails) {
  testing::NativeFiles native;
  EXPECT_EQ(native.files().OpenExisting(native.ProgramPath("never-written.txt")), nullptr);
}

TEST(FilesTest, OpenFilesAreSharedWithReadersButNotWithAWholeFileWrite) {
  testing::NativeFiles native;
  const std::string path = native.ProgramPath("mochi-files-shared.txt");
  ASSERT_TRUE(native.files().WriteWholeFile(path, Span("kept")));
  auto first = native.files().OpenExisting(path);
  ASSERT_NE(first, nullptr);
  auto second = native.files().OpenExisting(path);
  ASSERT_NE(second, nullptr);

  EXPECT_FALSE(native.files().WriteWholeFile(path, Span("replaced")));
  EXPECT_EQ(ReadAll(*second), "kept");

  first.reset();
  second.reset();
  EXPECT_TRUE(native.files().WriteWholeFile(path, Span("replaced")));
}

TEST(FilesTest, AFolderCannotBeWrittenOrOpenedAsAFile) {
  testing::NativeFiles native;
  const std::string path = native.ProgramPath("mochi-files-folder");
  std::filesystem::create_directory(native.NativePath(path));
  EXPECT_FALSE(native.files().WriteWholeFile(path, Span("x")));
  EXPECT_EQ(native.files().OpenExisting(path), nullptr);
}

}  // namespace
}  // namespace mochi::platform

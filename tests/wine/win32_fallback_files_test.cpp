#include "platform/win32/win32_fallback_files.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace mochi::platform {
namespace {

std::string Read(FileSystem& files, std::string_view path) {
  auto file = files.OpenExisting(path);
  if (!file) return "<none>";
  std::string text(static_cast<std::size_t>(file->Size()), '\0');
  text.resize(file->ReadAt(0, text));
  return text;
}

// A file in the system folder that another program holds without sharing: writing it fails
// as it does for a standard user under Windows Vista and later.
class Win32FallbackFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    fallbackFolder_ = std::string(temp) + "mochi_fallback\\";
    CreateDirectoryA(fallbackFolder_.c_str(), nullptr);
    DeleteFileA(kPath);
    DeleteFileA((fallbackFolder_ + "mochi_fallback.txt").c_str());
  }
  void TearDown() override {
    Unlock();
    DeleteFileA(kPath);
    DeleteFileA((fallbackFolder_ + "mochi_fallback.txt").c_str());
    RemoveDirectoryA(fallbackFolder_.c_str());
  }
  void Lock() {
    lock_ = CreateFileA(kPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(lock_, INVALID_HANDLE_VALUE);
  }
  void Unlock() {
    if (lock_ != INVALID_HANDLE_VALUE) CloseHandle(lock_);
    lock_ = INVALID_HANDLE_VALUE;
  }

  static constexpr char kPath[] = "c:\\windows\\mochi_fallback.txt";
  std::string fallbackFolder_;
  HANDLE lock_ = INVALID_HANDLE_VALUE;
};

TEST_F(Win32FallbackFilesTest, AWritableSystemFolderIsUsedAsIs) {
  Win32FallbackFileSystem files(fallbackFolder_);
  ASSERT_TRUE(files.WriteWholeFile(kPath, std::string_view("zi")));
  EXPECT_EQ(files.PathInUse(kPath), kPath);
  EXPECT_EQ(Read(files, kPath), "zi");
}

TEST_F(Win32FallbackFilesTest, AFailedWriteGoesToTheFallbackFolderAndIsReadFromThere) {
  Lock();
  Win32FallbackFileSystem files(fallbackFolder_);
  ASSERT_TRUE(files.WriteWholeFile(kPath, std::string_view("\xD2\xBB\r\n")));
  const std::string moved = fallbackFolder_ + "mochi_fallback.txt";
  EXPECT_EQ(files.PathInUse(kPath), moved);
  EXPECT_EQ(files.PathInUse("C:\\WINDOWS\\other.txt"), "C:\\WINDOWS\\other.txt");
  Unlock();
  EXPECT_EQ(Read(files, kPath), "\xD2\xBB\r\n");  // the copy, not the emptied system file

  // Once the system folder takes the file again, it is used again.
  ASSERT_TRUE(files.WriteWholeFile(kPath, std::string_view("new")));
  EXPECT_EQ(files.PathInUse(kPath), kPath);
  EXPECT_EQ(Read(files, kPath), "new");
}

TEST_F(Win32FallbackFilesTest, TheSystemFolderIsRecognisedInAnyCase) {
  Lock();
  Win32FallbackFileSystem files(fallbackFolder_);
  ASSERT_TRUE(files.WriteWholeFile("C:\\Windows\\mochi_fallback.txt", std::string_view("x")));
  EXPECT_EQ(files.PathInUse("C:\\Windows\\mochi_fallback.txt"),
            fallbackFolder_ + "mochi_fallback.txt");
}

TEST_F(Win32FallbackFilesTest, FilesOutsideTheSystemFolderHaveNoFallback) {
  const std::string elsewhere = fallbackFolder_ + "locked.txt";
  HANDLE lock =
      CreateFileA(elsewhere.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  Win32FallbackFileSystem files(fallbackFolder_);
  EXPECT_FALSE(files.WriteWholeFile(elsewhere, std::string_view("x")));
  EXPECT_FALSE(files.WriteWholeFile("c:\\windows\\no-such-folder\\x.txt", std::string_view("x")));
  EXPECT_EQ(files.PathInUse(elsewhere), elsewhere);
  CloseHandle(lock);
  DeleteFileA(elsewhere.c_str());
}

}  // namespace
}  // namespace mochi::platform

#include "platform/host/host_files.h"

#include <gtest/gtest.h>

namespace mochi::platform {
namespace {

TEST(HostFilesTest, TheWindowsFolderMapsToTheRootInAnyCase) {
  HostFileSystem files("/tmp/root");
  EXPECT_EQ(files.HostPath("c:\\windows\\zi1.txt"), "/tmp/root/zi1.txt");
  EXPECT_EQ(files.HostPath("C:\\WINDOWS\\zi1.txt"), "/tmp/root/zi1.txt");
  EXPECT_EQ(files.HostPath("c:\\Windows\\dox.doc"), "/tmp/root/dox.doc");
  // Anything else is a host path already.
  EXPECT_EQ(files.HostPath("out/w.doc"), "out/w.doc");
  EXPECT_EQ(files.HostPath("c:\\windowsx\\a"), "c:\\windowsx\\a");
}

}  // namespace
}  // namespace mochi::platform

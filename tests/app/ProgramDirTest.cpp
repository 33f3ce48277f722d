#include "platform/ProgramDir.h"

#include <gtest/gtest.h>

namespace velmara {
namespace {

TEST(ProgramDir, IsTheFolderOfTheRunningExecutable) {
  // Test programs live in tests/ of the build folder.
  EXPECT_EQ(ProgramDir().filename(), "tests");
  EXPECT_EQ(DataDir(), ProgramDir() / "data");
}

TEST(ProgramDir, UserFilesGoToXdgWhenTheProgramFolderIsReadOnly) {
  EXPECT_EQ(ChooseUserDir("/opt/velmara", true, "/x/data", "/home/s"), "/opt/velmara");
  EXPECT_EQ(ChooseUserDir("/opt/velmara", false, "/x/data", "/home/s"), "/x/data/velmara");
  EXPECT_EQ(ChooseUserDir("/opt/velmara", false, "", "/home/s"), "/home/s/.local/share/velmara");
  EXPECT_EQ(ChooseUserDir("/opt/velmara", false, nullptr, nullptr).filename(), "velmara");
}

}  // namespace
}  // namespace velmara

#include "platform/ProcessList.h"

#include <gtest/gtest.h>

#include <fstream>

namespace velmara::platform {
namespace {

// A /proc look-alike with a few processes.
class FakeProc {
public:
  FakeProc() : root_(std::filesystem::temp_directory_path() / ("velmara-proc-" + std::to_string(::getpid()))) {
    std::filesystem::remove_all(root_);
    Add(1, "systemd", std::string("/sbin/init\0splash\0", 18));
    Add(412, "fbguard", std::string("/usr/sbin/fbguard\0", 18));
    Add(977, "NautbaseLoggin", std::string("/opt/kvt/NautbaseLoggingService\0", 32));  // comm is cut short
    Add(978, "kworker/0:1", "");  // kernel threads have no command line
    std::filesystem::create_directories(root_ / "self");
  }
  ~FakeProc() { std::filesystem::remove_all(root_); }
  const std::filesystem::path& root() const { return root_; }

private:
  void Add(int pid, const std::string& comm, const std::string& cmdline) {
    const auto dir = root_ / std::to_string(pid);
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "comm") << comm << "\n";
    std::ofstream(dir / "cmdline", std::ios::binary) << cmdline;
  }
  std::filesystem::path root_;
};

TEST(ProcessList, FindsProgramsByNameWithoutCaseOrExe) {
  FakeProc proc;
  EXPECT_TRUE(IsProcessRunning("fbguard", proc.root()));
  EXPECT_TRUE(IsProcessRunning("FBGuard.exe", proc.root()));
  EXPECT_TRUE(IsProcessRunning("NautbaseLoggingService.exe", proc.root()));
  EXPECT_TRUE(IsProcessRunning("kworker/0:1", proc.root()));
  EXPECT_FALSE(IsProcessRunning("Nautrec.exe", proc.root()));
  EXPECT_FALSE(IsProcessRunning("splash", proc.root()));
  EXPECT_FALSE(IsProcessRunning("", proc.root()));
  EXPECT_FALSE(IsProcessRunning("self", proc.root()));
  EXPECT_FALSE(IsProcessRunning("fbguard", proc.root() / "missing"));
}

TEST(ProcessList, FindsThisTestProgramInTheRealProcessList) {
  EXPECT_TRUE(IsProcessRunning("platform_tests"));
}

}  // namespace
}  // namespace velmara::platform

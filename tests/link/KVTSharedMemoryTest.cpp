#include "link/KVTSharedMemory.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <functional>

#include "platform/SharedMemory.h"
#include "tests/support/IsolatedNames.h"

namespace velmara {
namespace {

constexpr const char* BlockName = "KVT_TEST_BLOCK";

class KVTSharedMemoryTest : public ::testing::Test {
protected:
  void Configure(TKVTSharedMemory& memory, int size = 64) {
    memory.SetName(BlockName);
    memory.Size = size;
    memory.Timeout = 5000;
  }
  test::IsolatedNames names;
};

// Runs `child` in a forked process; returns once the child has written its ready byte.
pid_t ForkReady(const std::function<void()>& child, int& readyFd) {
  int pipeFds[2];
  EXPECT_EQ(::pipe(pipeFds), 0);
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::close(pipeFds[0]);
    child();
    const char ready = 1;
    (void)!::write(pipeFds[1], &ready, 1);
    ::pause();  // until killed, or child() exits itself
    ::_exit(0);
  }
  ::close(pipeFds[1]);
  char ready = 0;
  EXPECT_EQ(::read(pipeFds[0], &ready, 1), 1);
  readyFd = pipeFds[0];
  return pid;
}

// In the child: takes the block's mutex and keeps its mapping, so the kernel can mark the mutex
// abandoned when the child dies.
void HoldMutex() {
  static platform::SharedMutex mutex = platform::SharedMutex::Open(BlockName);
  mutex.lock(-1);
}

TEST_F(KVTSharedMemoryTest, OpensOnlyOnceTheOtherProgramCreatedTheBlock) {
  TKVTSharedMemory memory;
  Configure(memory);
  EXPECT_EQ(memory.ShareName, BlockName);
  EXPECT_FALSE(memory.Open());
  EXPECT_FALSE(memory.IsOpen());
  EXPECT_EQ(memory.MapView(), nullptr);
  EXPECT_FALSE(memory.Lock());

  platform::SharedBlockOwner owner(BlockName, 64);
  ASSERT_TRUE(memory.Open());
  EXPECT_TRUE(memory.Open());  // already open
  auto* view = static_cast<unsigned char*>(memory.MapView());
  ASSERT_NE(view, nullptr);
  ASSERT_TRUE(memory.Lock());
  std::memcpy(owner.data() + 10, "abc", 3);
  EXPECT_EQ(std::memcmp(view + 10, "abc", 3), 0);
  view[20] = 42;
  EXPECT_EQ(owner.data()[20], 42);
  EXPECT_TRUE(memory.Unlock());
  EXPECT_TRUE(memory.UnmapView(view));
  EXPECT_FALSE(memory.UnmapView(view));  // not a view any more
}

TEST_F(KVTSharedMemoryTest, BlockWithoutMutexOrTooSmallIsNotAvailable) {
  platform::SharedBlockOwner owner(BlockName, 64);
  platform::UnlinkSharedObject(platform::MutexNameFor(BlockName));
  TKVTSharedMemory noMutex;
  Configure(noMutex);
  EXPECT_FALSE(noMutex.Open());
  EXPECT_FALSE(noMutex.IsOpen());

  platform::SharedBlockOwner small("KVT_SMALL", 100);
  TKVTSharedMemory expectsMore;
  expectsMore.SetName("KVT_SMALL");
  expectsMore.Size = 346;
  EXPECT_FALSE(expectsMore.Open());
  expectsMore.Size = 100;
  EXPECT_TRUE(expectsMore.Open());
}

TEST_F(KVTSharedMemoryTest, ReadOnlyViewSeesTheBlock) {
  platform::SharedBlockOwner owner(BlockName, 64);
  owner.data()[0] = 7;
  TKVTSharedMemory memory;
  Configure(memory);
  memory.ReadOnly = true;
  ASSERT_TRUE(memory.Open());
  const auto* view = static_cast<const unsigned char*>(memory.MapView());
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(view[0], 7);
}

TEST_F(KVTSharedMemoryTest, CloseClearsOwnerAndLockFailsAtOnceAfterwards) {
  platform::SharedBlockOwner owner(BlockName, 64);
  TKVTSharedMemory memory;
  Configure(memory);
  memory.Timeout = -1;  // would wait for ever if it tried
  ASSERT_TRUE(memory.Open());
  auto* view = static_cast<unsigned char*>(memory.MapView());
  memory.Owner = true;
  EXPECT_TRUE(memory.Close());
  EXPECT_FALSE(memory.Owner);
  EXPECT_FALSE(memory.Lock());
  EXPECT_FALSE(memory.Unlock());
  EXPECT_FALSE(memory.UnmapView(view));
  view[0] = 1;  // a view outlives the handles it came from
  EXPECT_EQ(owner.data()[0], 1);
}

TEST_F(KVTSharedMemoryTest, LockTimesOutWhileAnotherProcessHoldsTheMutex) {
  platform::SharedBlockOwner owner(BlockName, 64);
  int readyFd = -1;
  const pid_t holder = ForkReady(HoldMutex, readyFd);

  TKVTSharedMemory memory;
  Configure(memory);
  ASSERT_TRUE(memory.Open());
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(memory.Lock());
  const double waited = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  EXPECT_GE(waited, 4.9);
  EXPECT_LT(waited, 30.0);

  ::kill(holder, SIGKILL);
  ::waitpid(holder, nullptr, 0);
  ::close(readyFd);
}

TEST_F(KVTSharedMemoryTest, MutexOfADeadHolderGivesFalseOnceAndStaysUsable) {
  platform::SharedBlockOwner owner(BlockName, 64);
  int readyFd = -1;
  const pid_t holder = ForkReady(HoldMutex, readyFd);
  ::kill(holder, SIGKILL);  // dies holding the mutex
  ::waitpid(holder, nullptr, 0);
  ::close(readyFd);

  TKVTSharedMemory memory;
  Configure(memory);
  ASSERT_TRUE(memory.Open());
  EXPECT_FALSE(memory.Lock());  // abandoned
  ASSERT_TRUE(memory.Lock());
  EXPECT_TRUE(memory.Unlock());
  // And the other side gets it too.
  EXPECT_EQ(owner.mutex().lock(1000), platform::LockResult::Obtained);
  owner.mutex().unlock();
}

}  // namespace
}  // namespace velmara

#include "platform/MessagePort.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <atomic>
#include <thread>
#include <vector>

#include "tests/support/IsolatedNames.h"

namespace velmara::platform {
namespace {

// Pumps the main thread's events until `done` or a time-out.
template <typename Done>
bool PumpUntil(Done done, int timeoutMs = 5000) {
  QElapsedTimer clock;
  clock.start();
  while (!done() && clock.elapsed() < timeoutMs) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  return done();
}

class MessagePortTest : public ::testing::Test {
protected:
  test::IsolatedNames names;
  std::vector<TWindowMessage> received;
  std::vector<bool> onMainThread;
  MessageHandler Recorder() {
    return [this](const TWindowMessage& m) {
      received.push_back(m);
      onMainThread.push_back(QThread::currentThread() == QCoreApplication::instance()->thread());
    };
  }
};

TEST_F(MessagePortTest, FindWindowSeesOnlyLivePorts) {
  EXPECT_FALSE(FindWindow("TView3Dfrm"));
  {
    MessagePort port("TView3Dfrm", Recorder());
    EXPECT_TRUE(FindWindow("TView3Dfrm"));
    EXPECT_TRUE(port.reachableFromOtherProcesses());
    EXPECT_FALSE(FindWindow("TProgressFrm"));
  }
  EXPECT_FALSE(FindWindow("TView3Dfrm"));
  EXPECT_FALSE(PostMessage("TView3Dfrm", {1379, 0, 0}));
  EXPECT_FALSE(SendMessage("TView3Dfrm", {1379, 0, 0}));
}

TEST_F(MessagePortTest, PostsFromWorkersArriveInOrderOnTheMainThread) {
  MessagePort port("TView3Dfrm", Recorder());
  std::thread worker([] {
    for (int i = 0; i < 50; ++i) PostMessage("TView3Dfrm", {1379, i, -i});
  });
  worker.join();
  EXPECT_TRUE(received.empty());  // queued, not called from the worker
  ASSERT_TRUE(PumpUntil([&] { return received.size() == 50; }));
  for (int i = 0; i < 50; ++i) {
    EXPECT_EQ(received[i].number, 1379u);
    EXPECT_EQ(received[i].wParam, i);
    EXPECT_EQ(received[i].lParam, -i);
    EXPECT_TRUE(onMainThread[i]);
  }
}

TEST_F(MessagePortTest, SendFromAWorkerBlocksUntilHandled) {
  std::atomic<int> handled{0};
  MessagePort port("TProgressFrm", [&](const TWindowMessage& m) { handled = static_cast<int>(m.wParam); });
  std::atomic<bool> returned{false};
  std::atomic<int> seenAfterReturn{-1};
  std::thread worker([&] {
    SendMessage("TProgressFrm", {1124, 7, 0});
    seenAfterReturn = handled.load();
    returned = true;
  });
  ASSERT_TRUE(PumpUntil([&] { return returned.load(); }));
  worker.join();
  EXPECT_EQ(seenAfterReturn, 7);

  // On the main thread a send runs the handler at once.
  SendMessage("TProgressFrm", {1124, 9, 0});
  EXPECT_EQ(handled, 9);
}

TEST_F(MessagePortTest, AnotherProcessReachesThePort) {
  MessagePort port("TView3Dfrm", Recorder());
  const pid_t child = ::fork();
  if (child == 0) {
    // No QCoreApplication here: the port is in another process and the message is a datagram.
    const bool found = FindWindow("TView3Dfrm");
    const bool sent = SendMessage("TView3Dfrm", {12346, 3, 4}) && PostMessage("TView3Dfrm", {12346, 5, 6});
    ::_exit(found && sent ? 0 : 1);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  ASSERT_TRUE(PumpUntil([&] { return received.size() == 2; }));
  EXPECT_EQ(received[0].wParam, 3);
  EXPECT_EQ(received[1].lParam, 6);
  EXPECT_TRUE(onMainThread[0]);
}

TEST_F(MessagePortTest, SocketLeftByADeadProgramIsTakenOver) {
  std::filesystem::create_directories(MessagePortDirectory());
  const std::string path = MessagePortDirectory() + "/TView3Dfrm";
  {
    const int fd = ::socket(AF_UNIX, SOCK_DGRAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof(address.sun_path) - 1);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ::close(fd);  // the file stays, nobody listens
  }
  MessagePort port("TView3Dfrm", Recorder());
  EXPECT_TRUE(port.reachableFromOtherProcesses());
}

}  // namespace
}  // namespace velmara::platform

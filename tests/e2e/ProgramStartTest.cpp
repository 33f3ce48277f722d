// The program as a skipper starts it: splash and graphics probe, the main window over the start
// terrain with the boat, a second start that only brings the first forward, and a clean close.
// Screenshots go to e2e-screenshots/ of the build folder.

#include "platform/MessagePort.h"
#include "tests/e2e/ProgramDriver.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QProcess>
#include <QScreen>
#include <QSet>

namespace {

using velmara::test::ColoursInCentre;
using velmara::test::Screen;
using velmara::test::WaitFor;

constexpr std::uint32_t kClose = 0x0010;

class Program : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_EQ(QGuiApplication::platformName(), "xcb") << "run under Xvfb";
    environment_ = QProcessEnvironment::systemEnvironment();
    environment_.insert("VELMARA_NO_MESSAGE_BOXES", "1");
    environment_.insert("QT_QPA_PLATFORM", "xcb");
    QDir().mkpath("e2e-screenshots");
  }
  void Start(QProcess& process) {
    process.setProcessEnvironment(environment_);
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(QDir::current().absoluteFilePath("velmara"), {});
    ASSERT_TRUE(process.waitForStarted(10000));
  }
  QProcessEnvironment environment_;
};

TEST_F(Program, StartsShowsTheChartRefusesASecondInstanceAndClosesCleanly) {
  QProcess first;
  Start(first);
  ASSERT_TRUE(WaitFor([] { return velmara::platform::FindWindow("TView3Dfrm"); }, 90000)) << "the main window never came";
  // Frames are drawn once the window is up; give the terrain a moment to be tessellated.
  WaitFor([] { return false; }, 4000);
  const QImage chart = Screen();
  chart.save("e2e-screenshots/velmara-start.png");
  EXPECT_GT(ColoursInCentre(chart), 200) << "the 3D view shows no terrain";

  QProcess second;
  Start(second);
  ASSERT_TRUE(second.waitForFinished(15000)) << "a second instance kept running";
  EXPECT_EQ(second.exitCode(), 0);
  EXPECT_EQ(first.state(), QProcess::Running);

  ASSERT_TRUE(velmara::platform::PostMessage("TView3Dfrm", {kClose, 0, 0}));
  ASSERT_TRUE(WaitFor([&] { return first.state() == QProcess::NotRunning; }, 30000)) << "closing hung";
  EXPECT_EQ(first.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(first.exitCode(), 0);
}

}  // namespace

// The program as a skipper starts it: splash and graphics probe, the main window over the start
// terrain with the boat, a second start that only brings the first forward, and a clean close.
// Screenshots go to e2e-screenshots/ of the build folder.

#include "platform/MessagePort.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QProcess>
#include <QScreen>
#include <QSet>

namespace {

constexpr std::uint32_t kClose = 0x0010;

bool WaitFor(const std::function<bool()>& ready, int milliseconds) {
  QElapsedTimer clock;
  clock.start();
  while (!ready()) {
    if (clock.elapsed() > milliseconds) return false;
    QApplication::processEvents(QEventLoop::AllEvents, 100);
  }
  return true;
}

QImage Screen() { return QGuiApplication::primaryScreen()->grabWindow(0).toImage(); }

// Distinct colours in the middle of the screen: a drawn chart has many, an empty view few.
int ColoursInCentre(const QImage& image) {
  QSet<QRgb> colours;
  for (int y = image.height() / 3; y < 2 * image.height() / 3; y += 3)
    for (int x = image.width() / 3; x < 2 * image.width() / 3; x += 3) colours.insert(image.pixel(x, y));
  return static_cast<int>(colours.size());
}

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

// The four demonstration scenes and "Goto Location" in the running program: each scene names its
// place, loads its raster and shows the chart; a typed position out of range is refused. The
// program is driven through its message port; screenshots go to e2e-screenshots/.

#include "app/view/ControlCommands.h"
#include "platform/MessagePort.h"
#include "tests/e2e/ProgramDriver.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QScreen>
#include <QSet>

namespace {

using velmara::test::ColoursInCentre;
using velmara::test::Pause;
using velmara::test::WaitFor;

constexpr std::uint32_t kClose = 0x0010;
constexpr std::uint32_t kCommand = 0x0111;


QString Log() {
  QFile log("velmara.errlog");
  return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
}

// The graphics test's verdict comes up on its own after the first measurement; measuring again
// keeps the chart in view.
void KeepVerdictAway() {
  if (velmara::platform::FindWindow("TfrmMyResults")) {
    velmara::platform::PostMessage("TfrmMyResults", {kCommand, 2, 0});
    WaitFor([] { return !velmara::platform::FindWindow("TfrmMyResults"); }, 10000);
  }
}

QImage Shot(const QString& name) {
  KeepVerdictAway();
  const QImage image = velmara::test::Screen();
  image.save("e2e-screenshots/" + name + ".png");
  return image;
}

TEST(DemoScenes, EachSceneLoadsAndGotoLocationChecksItsPosition) {
  ASSERT_EQ(QGuiApplication::platformName(), "xcb") << "run under Xvfb";
  QFile::remove("velmara.errlog");
  QDir().mkpath("e2e-screenshots");
  QProcess program;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("VELMARA_NO_MESSAGE_BOXES", "1");
  environment.insert("QT_QPA_PLATFORM", "xcb");
  program.setProcessEnvironment(environment);
  program.setProcessChannelMode(QProcess::ForwardedChannels);
  program.start(QDir::current().absoluteFilePath("velmara"), {});
  ASSERT_TRUE(program.waitForStarted(10000));
  ASSERT_TRUE(WaitFor([] { return velmara::platform::FindWindow("TView3Dfrm"); }, 90000)) << "the main window never came";
  Pause(3000);

  // Goto Location first, before the graphics test's verdict comes up: a typed position is gone
  // to, one on the pole is refused.
  ASSERT_TRUE(velmara::platform::PostMessage("TView3Dfrm", {velmara::SetPositionMessage, -41216666, 174324166}));
  ASSERT_TRUE(velmara::test::PressControl("btnAcceptPos"));
  Pause(5000);
  EXPECT_GT(ColoursInCentre(Shot("goto-location")), 200);
  EXPECT_FALSE(Log().contains("Invalid position set"));
  ASSERT_TRUE(velmara::platform::PostMessage("TView3Dfrm", {velmara::SetPositionMessage, 90000000, 0}));
  ASSERT_TRUE(velmara::test::PressControl("btnAcceptPos"));
  EXPECT_TRUE(WaitFor([] { return Log().contains("Invalid position set: must be in range 90S:90N, 180W:180E"); }, 20000));

  const struct {
    const char* button;
    const char* place;
  } scenes[] = {{"btnScene1", "Torry Channel NZ"}, {"btnScene2", "Torry Channel NZ"}, {"btnScene3", "Cook Strait NZ"}, {"btnScene4", "Cook Strait NZ"}};
  for (const auto& scene : scenes) {
    const int before = static_cast<int>(Log().count(scene.place));
    KeepVerdictAway();
    ASSERT_TRUE(velmara::test::PressControl(scene.button)) << scene.button;
    EXPECT_TRUE(WaitFor([&] { return Log().count(scene.place) > before; }, 20000)) << scene.button << " did not name its place";
    Pause(5000);
    const QImage image = Shot(QString("demo-") + scene.button);
    // The 20 nm inshore scene is gentle round the boat: fewer colours, but far more than an empty view.
    EXPECT_GT(ColoursInCentre(image), 100) << scene.button << ": the 3D view shows no terrain";
  }

  KeepVerdictAway();
  ASSERT_TRUE(velmara::platform::PostMessage("TView3Dfrm", {kClose, 0, 0}));
  ASSERT_TRUE(WaitFor([&] { return program.state() == QProcess::NotRunning; }, 30000)) << "closing hung";
  EXPECT_EQ(program.exitCode(), 0);
}

}  // namespace

// The chart with the logging program running (our simulator): "Follow Boat" moves the chart to
// the vessel, the lamps and the GPS hint follow its status word, "Record Data" switches the
// logging, and the depth-unit switch takes effect. The running program reports its state into
// its error log when asked through its port.

#include "app/view/ControlCommands.h"
#include "platform/MessagePort.h"
#include "tests/e2e/ProgramDriver.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QScreen>

namespace {

using velmara::test::WaitFor;

void Press(const char* name) { ASSERT_TRUE(velmara::test::PressControl(name)) << name; }

QString State() { return velmara::test::ReportedState(); }
double Value(const QString& state, const char* key) { return velmara::test::StateNumber(state, key); }

TEST(FollowBoat, TheChartFollowsTheSimulatedVesselAndTheLampsItsStatus) {
  ASSERT_EQ(QGuiApplication::platformName(), "xcb") << "run under Xvfb";
  QFile::remove("velmara.errlog");
  QDir().mkpath("e2e-screenshots");
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("VELMARA_NO_MESSAGE_BOXES", "1");
  // Shared memory of our own, so that no other simulator or chart meets this one.
  environment.insert("VELMARA_SHM_PREFIX", QString("e2e-follow-%1-").arg(QCoreApplication::applicationPid()));

  QProcess simulator;
  simulator.setProcessEnvironment(environment);
  simulator.start(QDir::current().absoluteFilePath("nautrec-sim"),
                  {"--lat", "-41.25", "--lon", "174.40", "--speed", "0", "--status", "16", "--quiet", "--replace"});
  ASSERT_TRUE(simulator.waitForStarted(10000));
  QProcess program;
  program.setProcessEnvironment(environment);
  program.setProcessChannelMode(QProcess::ForwardedChannels);
  program.start(QDir::current().absoluteFilePath("velmara"), {});
  ASSERT_TRUE(program.waitForStarted(10000));
  ASSERT_TRUE(WaitFor([] { return velmara::platform::FindWindow("TView3Dfrm"); }, 90000)) << "no main window";
  WaitFor([] { return false; }, 3000);

  const QString before = State();
  EXPECT_NEAR(Value(before, "lat"), -41.216666, 0.01) << before.toStdString();
  EXPECT_EQ(Value(before, "nautrec"), 1) << "the logging program's lamp: " << before.toStdString();

  Press("chkFollow");
  ASSERT_TRUE(WaitFor([] { return Value(State(), "follow") == 1 && std::abs(Value(State(), "lat") + 41.25) < 0.01; }, 30000))
      << "the chart did not move to the vessel: " << State().toStdString();
  const QString following = State();
  EXPECT_NEAR(Value(following, "lon"), 174.40, 0.01);
  EXPECT_EQ(Value(following, "gps"), 1) << "good data lights the GPS lamp";
  EXPECT_TRUE(following.contains("gpsHint=Incoming Data Good. Note! Data logging suspended")) << following.toStdString();
  WaitFor([] { return false; }, 4000);  // the window draws the new place
  QGuiApplication::primaryScreen()->grabWindow(0).toImage().save("e2e-screenshots/follow-boat.png");

  // "Record Data" ticked switches logging on: the simulator sees channel 16 become 0.
  Press("chkRecordData");
  EXPECT_TRUE(WaitFor([&] { return simulator.readAllStandardOutput().contains("channel 16 = 0"); }, 10000))
      << "the logging switch was not written";

  Press("Feet1");
  EXPECT_TRUE(WaitFor([] { return State().contains("unit=ft"); }, 10000)) << State().toStdString();

  ASSERT_TRUE(velmara::platform::PostMessage("TView3Dfrm", {0x0010, 0, 0}));
  ASSERT_TRUE(program.waitForFinished(30000));
  EXPECT_EQ(program.exitCode(), 0);
  simulator.terminate();
  simulator.waitForFinished(5000);
}

}  // namespace

// The program's main job: it starts, fades the intro text, measures the frame rate for 15 s while
// the sky camera circles the boat, and shows its verdict; "Re-perform Test" measures again and
// "Continue" ends the program. Screenshots of the verdict go to e2e-screenshots/.

#include "platform/MessagePort.h"
#include "tests/e2e/ProgramDriver.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>

namespace {

using velmara::test::WaitFor;

constexpr std::uint32_t kCommand = 0x0111;

bool VerdictShown() { return velmara::platform::FindWindow("TfrmMyResults"); }

// The results the program logged, in order.
std::vector<double> LoggedResults() {
  QFile log("velmara.errlog");
  std::vector<double> results;
  if (!log.open(QIODevice::ReadOnly)) return results;
  const QRegularExpression pattern("Result = ([0-9.]+) FPS \\(Frames Per Second\\)");
  for (auto it = pattern.globalMatch(QString::fromUtf8(log.readAll())); it.hasNext();) results.push_back(it.next().captured(1).toDouble());
  return results;
}

TEST(GraphicsTestRun, MeasuresShowsTheVerdictRepeatsAndEnds) {
  ASSERT_EQ(QGuiApplication::platformName(), "xcb") << "run under Xvfb";
  QFile::remove("velmara.errlog");
  QDir().mkpath("e2e-screenshots");
  QProcess program;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("VELMARA_NO_MESSAGE_BOXES", "1");
  environment.insert("QT_QPA_PLATFORM", "xcb");
  environment.insert("VELMARA_SHM_PREFIX", QString("e2e-graphics-%1-").arg(QCoreApplication::applicationPid()));
  // The logging program runs beside the chart, as on board.
  QProcess simulator;
  simulator.setProcessEnvironment(environment);
  simulator.start(QDir::current().absoluteFilePath("nautrec-sim"), {"--lat", "-41.25", "--lon", "174.40", "--quiet", "--replace"});
  ASSERT_TRUE(simulator.waitForStarted(10000));
  program.setProcessEnvironment(environment);
  program.setProcessChannelMode(QProcess::ForwardedChannels);
  program.start(QDir::current().absoluteFilePath("velmara"), {});
  ASSERT_TRUE(program.waitForStarted(10000));

  // Loading, about nine seconds of fade, fifteen of measuring.
  ASSERT_TRUE(WaitFor(VerdictShown, 120000)) << "no verdict";
  WaitFor([] { return false; }, 1000);
  QGuiApplication::primaryScreen()->grabWindow(0).toImage().save("e2e-screenshots/graphics-test-verdict.png");
  std::vector<double> results = LoggedResults();
  ASSERT_EQ(results.size(), 1u);
  EXPECT_GT(results[0], 0.5) << "a frame rate was measured";
  EXPECT_LT(results[0], 1000.0);

  ASSERT_TRUE(velmara::platform::PostMessage("TfrmMyResults", {kCommand, 2, 0})) << "Re-perform Test";
  ASSERT_TRUE(WaitFor([] { return !VerdictShown(); }, 10000));
  ASSERT_TRUE(WaitFor(VerdictShown, 60000)) << "the repeated test never ended";
  results = LoggedResults();
  EXPECT_EQ(results.size(), 2u);

  ASSERT_TRUE(velmara::platform::PostMessage("TfrmMyResults", {kCommand, 1, 0})) << "Continue";
  ASSERT_TRUE(WaitFor([&] { return program.state() == QProcess::NotRunning; }, 30000)) << "the program did not end";
  EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(program.exitCode(), 0);
  simulator.terminate();
  simulator.waitForFinished(5000);
}

}  // namespace

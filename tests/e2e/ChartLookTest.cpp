// How the chart looks, driven through the real controls of a running program: night colours
// darken the sky and the relief, the shading level flattens the relief, the wire frame shows the
// mesh, and day colours come back. Screenshots of each go to e2e-screenshots/.

#include "app/view/ControlCommands.h"
#include "platform/MessagePort.h"
#include "tests/e2e/ProgramDriver.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QProcess>
#include <QScreen>

namespace {

constexpr auto Wait = velmara::test::Pause;

void Press(const char* name, int item = -1) {
  ASSERT_TRUE(velmara::test::PressControl(name, item)) << name;
  Wait(1500);
}

QImage Shot(const char* name) {
  QImage image = velmara::test::Screen();
  image.save(QString("e2e-screenshots/look-%1.png").arg(name));
  return image;
}

// Mean brightness of the view (the right part of the screen below the tool bar).
double Brightness(const QImage& image, QRect area) {
  double sum = 0;
  int n = 0;
  for (int y = area.top(); y < area.bottom(); y += 4)
    for (int x = area.left(); x < area.right(); x += 4, ++n) sum += qGray(image.pixel(x, y));
  return sum / n;
}

// How much neighbouring pixels differ: relief shading and mesh lines make it larger.
double Detail(const QImage& image, QRect area) {
  double sum = 0;
  int n = 0;
  for (int y = area.top(); y < area.bottom(); y += 2)
    for (int x = area.left(); x < area.right() - 1; x += 2, ++n) sum += std::abs(qGray(image.pixel(x, y)) - qGray(image.pixel(x + 1, y)));
  return sum / n;
}

TEST(ChartLook, NightShadingAndWireFrameTakeEffect) {
  ASSERT_EQ(QGuiApplication::platformName(), "xcb") << "run under Xvfb";
  QDir().mkpath("e2e-screenshots");
  QProcess program;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("VELMARA_NO_MESSAGE_BOXES", "1");
  program.setProcessEnvironment(environment);
  program.setProcessChannelMode(QProcess::ForwardedChannels);
  program.start(QDir::current().absoluteFilePath("velmara"), {});
  ASSERT_TRUE(program.waitForStarted(10000));
  QElapsedTimer clock;
  clock.start();
  while (!velmara::platform::FindWindow("TView3Dfrm")) {
    ASSERT_LT(clock.elapsed(), 90000) << "no main window";
    Wait(100);
  }
  Wait(3000);
  const QRect view(300, 200, 900, 700);
  // The shading first, while the intro text fades and the camera stands still.
  const QImage day = Shot("day");
  Press("cbxShading", 0);
  const QImage flat = Shot("shading-1");
  EXPECT_LT(Detail(flat, view), Detail(day, view)) << "1 % shading flattens the relief";
  Press("cbxShading", 4);
  Press("btnMoon");
  const QImage night = Shot("night");
  Press("mnuWireFrame");
  Shot("night-wire-frame");
  Press("mnuWireFrame");
  EXPECT_LT(Brightness(night, view), Brightness(day, view) * 0.7) << "night colours are darker";
  Press("btnSun");
  const QImage dayAgain = Shot("day-again");
  EXPECT_NEAR(Brightness(dayAgain, view), Brightness(day, view), 15.0);
  Press("mnuWireFrame");
  const QImage wire = Shot("wire-frame");
  EXPECT_GT(Detail(wire, view), Detail(dayAgain, view)) << "the mesh's edges show";
  Press("mnuWireFrame");
  // A finer map resolution loads the window again at a smaller cell size (the screenshot shows
  // it; the graphics test's camera circles meanwhile, so pictures are not compared here).
  Press("cbxMapResolution", 0);
  Wait(3000);
  Shot("resolution-1nm");
  EXPECT_EQ(program.state(), QProcess::Running) << "the reload did not end the program";
  EXPECT_GT(Detail(Shot("resolution-1nm"), view), 0.3) << "terrain is drawn after the reload";
  Press("mnuDisplaySeaSurface");
  Shot("sea-surface");

  ASSERT_TRUE(velmara::platform::PostMessage("TView3Dfrm", {0x0010, 0, 0}));
  ASSERT_TRUE(program.waitForFinished(30000));
  EXPECT_EQ(program.exitCode(), 0);
}

}  // namespace

// How the chart looks and moves, driven through the real controls of a running program: night
// colours darken the sky and the relief, the shading level flattens the relief, the wire frame
// shows the mesh, day colours come back; after the graphics test every shipped palette and the
// hardness and roughness kinds colour the bed; and the arrow keys move the boat with the position
// read-outs following. Screenshots of each go to e2e-screenshots/.

#include "app/view/ControlCommands.h"
#include "platform/MessagePort.h"
#include "tests/e2e/ProgramDriver.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QProcess>

#include <cmath>
#include <memory>

namespace {

constexpr auto Wait = velmara::test::Pause;

// The verdict's buttons, as WM_COMMAND to its port.
constexpr std::uint32_t Command = 0x0111;
constexpr std::int64_t ContinueTest = 1, RetryTest = 2;
bool VerdictShown() { return velmara::platform::FindWindow("TfrmMyResults"); }

void Press(const char* name, int item = -1) {
  ASSERT_TRUE(velmara::test::PressControl(name, item)) << name;
  Wait(1500);
}

QImage Shot(const QString& name) {
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

// The view: the right part of the screen below the tool bar.
const QRect View(300, 200, 900, 700);

// The graphics test's verdict stands in the middle of the screen while it is shown.
const QRect Verdict(340, 260, 600, 500);

// Mean colour of the view beside the verdict.
QColor MeanColour(const QImage& image) {
  double r = 0, g = 0, b = 0;
  int n = 0;
  for (int y = View.top(); y < View.bottom(); y += 4)
    for (int x = View.left(); x < View.right(); x += 4) {
      if (Verdict.contains(x, y)) continue;
      const QRgb pixel = image.pixel(x, y);
      r += qRed(pixel), g += qGreen(pixel), b += qBlue(pixel);
      ++n;
    }
  return QColor(int(r / n), int(g / n), int(b / n));
}

int ColourDistance(const QColor& a, const QColor& b) {
  return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue());
}

// One running program for the whole suite, in the order of the tests: the look while the
// graphics test runs; the palettes while its verdict is shown (the camera stands still, and the
// chart stays usable); the keys during the test run again ("Re-perform Test"), and "Continue"
// after it, which ends the program.
class ChartLook : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    QDir().mkpath("e2e-screenshots");
    program_ = std::make_unique<QProcess>();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("VELMARA_NO_MESSAGE_BOXES", "1");
    program_->setProcessEnvironment(environment);
    program_->setProcessChannelMode(QProcess::ForwardedChannels);
    program_->start(QDir::current().absoluteFilePath("velmara"), {});
    if (program_->waitForStarted(10000)) velmara::test::WaitFor([] { return velmara::platform::FindWindow("TView3Dfrm"); }, 90000);
    Wait(3000);
  }
  static void TearDownTestSuite() {
    if (program_->state() == QProcess::Running) {
      velmara::platform::PostMessage("TView3Dfrm", {0x0010, 0, 0});
      if (!program_->waitForFinished(30000)) program_->kill();
    }
    program_.reset();
  }
  void SetUp() override {
    ASSERT_EQ(QGuiApplication::platformName(), "xcb") << "run under Xvfb";
    ASSERT_TRUE(velmara::platform::FindWindow("TView3Dfrm")) << "no main window";
  }

  static std::unique_ptr<QProcess> program_;
};

std::unique_ptr<QProcess> ChartLook::program_;

TEST_F(ChartLook, NightShadingAndWireFrameTakeEffect) {
  // The shading first, while the intro text fades and the camera stands still.
  const QImage day = Shot("day");
  Press("cbxShading", 0);
  const QImage flat = Shot("shading-1");
  EXPECT_LT(Detail(flat, View), Detail(day, View)) << "1 % shading flattens the relief";
  Press("cbxShading", 4);
  Press("btnMoon");
  const QImage night = Shot("night");
  Press("mnuWireFrame");
  Shot("night-wire-frame");
  Press("mnuWireFrame");
  EXPECT_LT(Brightness(night, View), Brightness(day, View) * 0.7) << "night colours are darker";
  Press("btnSun");
  const QImage dayAgain = Shot("day-again");
  EXPECT_NEAR(Brightness(dayAgain, View), Brightness(day, View), 15.0);
  Press("mnuWireFrame");
  const QImage wire = Shot("wire-frame");
  EXPECT_GT(Detail(wire, View), Detail(dayAgain, View)) << "the mesh's edges show";
  Press("mnuWireFrame");
  // A finer map resolution loads the window again at a smaller cell size (the screenshot shows
  // it; the graphics test's camera circles meanwhile, so pictures are not compared here).
  Press("cbxMapResolution", 0);
  Wait(3000);
  Shot("resolution-1nm");
  EXPECT_EQ(program_->state(), QProcess::Running) << "the reload did not end the program";
  EXPECT_GT(Detail(Shot("resolution-1nm"), View), 0.3) << "terrain is drawn after the reload";
  Press("mnuDisplaySeaSurface");
  Shot("sea-surface");
  Press("mnuDisplaySeaSurface");
  EXPECT_EQ(program_->state(), QProcess::Running);
}

TEST_F(ChartLook, EveryPaletteAndKindColoursTheBed) {
  ASSERT_TRUE(velmara::test::WaitFor(VerdictShown, 90000)) << "no verdict";
  Wait(2000);

  // "Velmara #7", "Velmara #2" … "Velmara #7" again, "Velmara #8", "RoughHard".
  std::vector<QColor> palettes;
  for (int item = 0; item < 9; ++item) {
    Press("cbxPalette", item);
    palettes.push_back(MeanColour(Shot(QString("palette-%1").arg(item))));
  }
  EXPECT_LE(ColourDistance(palettes[6], palettes[0]), 6) << "the first and seventh entries are the same palette";
  for (int item : {1, 2, 3, 4, 5, 7, 8})
    EXPECT_GT(ColourDistance(palettes[item], palettes[0]), 12) << "palette entry " << item << " looks like the first";
  Press("cbxPalette", 0);

  std::vector<double> detail;
  for (int level = 0; level < 5; ++level) {
    Press("cbxShading", level);
    detail.push_back(Detail(Shot(QString("shading-level-%1").arg(level)), View));
  }
  EXPECT_LT(detail.front(), detail.back()) << "1 % is flatter than 100 %";

  const QColor depth = MeanColour(Shot("kind-depth"));
  Press("btnHard");
  const QColor hard = MeanColour(Shot("kind-hardness"));
  Press("btnRough");
  const QColor rough = MeanColour(Shot("kind-roughness"));
  Press("btnDepth");
  EXPECT_GT(ColourDistance(hard, depth), 12) << "the hardness colours replace the depth colours";
  EXPECT_GT(ColourDistance(rough, hard), 12) << "roughness is not hardness";
  EXPECT_LE(ColourDistance(MeanColour(Shot("kind-depth-again")), depth), 12);
}

TEST_F(ChartLook, ArrowKeysMoveTheBoatAndTheReadOutsFollow) {
  using velmara::test::ReportedState;
  using velmara::test::StateNumber;
  using velmara::test::StateWord;
  const QString start = ReportedState();
  ASSERT_FALSE(start.isEmpty());
  EXPECT_NEAR(StateNumber(start, "lat"), -41.216666, 0.01) << start.toStdString();

  // The test again: the verdict closes and the main window has the keyboard.
  ASSERT_TRUE(velmara::platform::PostMessage("TfrmMyResults", {Command, RetryTest, 0})) << "Re-perform Test";
  ASSERT_TRUE(velmara::test::WaitFor([] { return !VerdictShown(); }, 10000));

  // With the sky camera the arrows move the camera's anchor, not the boat.
  ASSERT_TRUE(velmara::test::HoldKeys({Qt::Key_Up}, 1500));
  Wait(500);
  const QString sky = ReportedState();
  EXPECT_NEAR(StateNumber(sky, "lat"), StateNumber(start, "lat"), 1e-5) << sky.toStdString();

  // With any other camera they steer the boat: Shift and Up run it ahead, and the position, its
  // boxes and its read-outs follow.
  Press("RoamCamera1");
  ASSERT_TRUE(velmara::test::HoldKeys({Qt::Key_Shift, Qt::Key_Up}, 2500));
  Wait(1000);
  const QString ahead = ReportedState();
  Shot("boat-moved");
  const double moved = std::hypot(StateNumber(ahead, "lat") - StateNumber(start, "lat"), StateNumber(ahead, "lon") - StateNumber(start, "lon"));
  EXPECT_GT(moved, 5e-4) << "the boat did not move: " << ahead.toStdString();
  EXPECT_NE(StateWord(ahead, "boxLat") + StateWord(ahead, "boxLon"), StateWord(start, "boxLat") + StateWord(start, "boxLon"))
      << "the position boxes did not follow: " << ahead.toStdString();
  EXPECT_NE(StateNumber(ahead, "modelDepth"), StateNumber(start, "modelDepth")) << "the model depth did not follow";
  Press("RoamCamera1");

  ASSERT_TRUE(velmara::test::WaitFor(VerdictShown, 60000)) << "no second verdict";
  ASSERT_TRUE(velmara::platform::PostMessage("TfrmMyResults", {Command, ContinueTest, 0})) << "Continue";
  ASSERT_TRUE(program_->waitForFinished(30000)) << "Continue ends the program";
  EXPECT_EQ(program_->exitCode(), 0);
}

}  // namespace

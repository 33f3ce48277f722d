// The status lamp (tint, pictures, blinking) and the panel (shadow, border, parent colour).
#include "controls/KVTLED.h"
#include "controls/KVTPanel.h"
#include "tests/controls/ControlsUiFixtures.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

namespace velmara {
namespace {

QColor LampCentre(TKVTLED& lamp) {
  const QImage image = lamp.grab().toImage();
  return image.pixelColor(image.width() / 2, image.height() / 2);
}

TEST(KVTLED, StatusPicksTheTintOfTheDrawnLamp) {
  test::ColouredForm form(Qt::black);
  auto* lamp = new TKVTLED(&form, "ledGPS");
  lamp->setGeometry(10, 10, 16, 16);
  lamp->SetColorOn(Qt::red);
  lamp->SetColorOff(Qt::blue);
  form.show();
  EXPECT_EQ(lamp->objectName(), "ledGPS");

  const QColor off = LampCentre(*lamp);
  EXPECT_GT(off.blue(), 120);
  EXPECT_LT(off.red() + off.green(), 20);
  lamp->SetStatus(true);
  const QColor on = LampCentre(*lamp);
  EXPECT_GT(on.red(), 120);
  EXPECT_LT(on.green() + on.blue(), 20);
  // Round: the corners are outside the lamp and show the form.
  EXPECT_EQ(QColor(test::Painted(*lamp).pixel(0, 0)), QColor(Qt::black));
}

TEST(KVTLED, PictureShadesAndMaskCutsTheTint) {
  TKVTLED lamp;
  QImage picture(4, 4, QImage::Format_ARGB32);
  picture.fill(QColor(0, 255, 0));          // a fully lit green lamp
  picture.setPixelColor(1, 1, QColor(0, 128, 0));  // a half-lit spot
  QImage mask(4, 4, QImage::Format_ARGB32);
  mask.fill(Qt::white);
  mask.setPixelColor(0, 0, Qt::black);      // outside the lamp
  lamp.SetPictures(picture, mask);

  const QImage tinted = lamp.TintedLamp(QColor(200, 100, 0), {4, 4}).convertToFormat(QImage::Format_ARGB32);
  EXPECT_EQ(tinted.pixelColor(3, 3), QColor(200, 100, 0));
  EXPECT_EQ(tinted.pixelColor(1, 1).red(), 200 * 128 / 255);
  EXPECT_EQ(tinted.pixelColor(0, 0).alpha(), 0);
}

TEST(KVTLED, ActiveLampBlinksAtItsInterval) {
  TKVTLED lamp;
  lamp.resize(16, 16);
  lamp.SetColorOn(Qt::red);
  lamp.SetColorOff(Qt::blue);
  lamp.SetStatus(true);
  lamp.SetInterval(30);
  EXPECT_EQ(lamp.ShownColor(), QColor(Qt::red));
  lamp.SetActive(true);
  std::vector<QColor> seen;
  for (int i = 0; i < 40 && seen.size() < 3; ++i) {
    QTest::qWait(10);
    if (seen.empty() || seen.back() != lamp.ShownColor()) seen.push_back(lamp.ShownColor());
  }
  ASSERT_GE(seen.size(), 3u) << "the lamp keeps toggling";
  EXPECT_EQ(seen[1], QColor(Qt::blue));
  EXPECT_EQ(seen[2], QColor(Qt::red));
  // The painted lamp follows.
  while (lamp.ShownColor() != QColor(Qt::blue)) QTest::qWait(5);
  EXPECT_GT(LampCentre(lamp).blue(), 120);

  lamp.SetActive(false);
  EXPECT_EQ(lamp.ShownColor(), QColor(Qt::red));
  QTest::qWait(80);
  EXPECT_EQ(lamp.ShownColor(), QColor(Qt::red)) << "steady once inactive";
}

TEST(KVTLED, ClicksAreReported) {
  TKVTLED lamp;
  lamp.resize(16, 16);
  QSignalSpy clicks(&lamp, &TKVTLED::OnClick);
  QSignalSpy ups(&lamp, &TKVTLED::OnMouseUp);
  QTest::mouseClick(&lamp, Qt::LeftButton, {}, {8, 8});
  EXPECT_EQ(clicks.count(), 1);
  EXPECT_EQ(ups.count(), 1);
}

class KVTPanelTest : public ::testing::Test {
protected:
  KVTPanelTest() {
    panel_ = new TKVTPanel(&form_, "pnlMarks");
    panel_->setGeometry(10, 10, 100, 60);
    panel_->SetColor(QColor(0x3F, 0x3F, 0x3F));
    form_.show();
    QApplication::processEvents();
  }
  QColor At(int x, int y) const { return QColor(panel_->grab().toImage().pixel(x, y)); }

  test::ColouredForm form_{Qt::white};
  TKVTPanel* panel_ = nullptr;
};

TEST_F(KVTPanelTest, DropShadowAtItsOffsetsInItsColour) {
  const QColor face(0x3F, 0x3F, 0x3F);
  EXPECT_EQ(At(99, 59), face) << "plain fills everything";
  panel_->SetPanelType(TPanelType::DropShadow);
  panel_->SetShadowColor(Qt::black);
  panel_->SetXOffSet(5);
  panel_->SetYOffSet(3);
  EXPECT_EQ(At(0, 0), face);
  EXPECT_EQ(At(94, 56), face);
  EXPECT_EQ(At(97, 58), QColor(Qt::black)) << "shadow below right";
  EXPECT_EQ(At(97, 1), QColor(Qt::white)) << "free corner shows the parent";
  EXPECT_EQ(At(1, 58), QColor(Qt::white));

  panel_->SetXOffSet(-4);  // the shadow goes to the left
  EXPECT_EQ(At(1, 58), QColor(Qt::black));
  EXPECT_EQ(At(99, 0), face);
  panel_->SetShadowColor(Qt::green);
  EXPECT_EQ(At(1, 58), QColor(Qt::green));
}

TEST_F(KVTPanelTest, BordersInTheBorderColour) {
  panel_->SetPanelType(TPanelType::Borders);
  panel_->SetBorderColor(Qt::red);
  EXPECT_EQ(At(0, 30), QColor(Qt::red));
  EXPECT_EQ(At(99, 59), QColor(Qt::red));
  EXPECT_EQ(At(1, 30), QColor(0x3F, 0x3F, 0x3F));
}

TEST_F(KVTPanelTest, ParentColourChangeRepaints) {
  panel_->SetPanelType(TPanelType::DropShadow);
  QApplication::processEvents();
  // Count the panel's paints from here on.
  struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
      if (event->type() == QEvent::Paint) ++paints;
      return false;
    }
  } counter;
  panel_->installEventFilter(&counter);
  form_.SetColour(Qt::yellow);
  QApplication::processEvents();
  EXPECT_GT(counter.paints, 0);
  EXPECT_EQ(At(97, 1), QColor(Qt::yellow));
  panel_->removeEventFilter(&counter);
}

}  // namespace
}  // namespace velmara

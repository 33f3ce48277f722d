// The light dialog through its widgets: opening shows the light as it is, "Boat" turns it by
// half a circle, "Exit" puts it back.

#include "app/forms/LightFrm.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

namespace velmara {
namespace {

TEST(LightFrm, OpenBoatAndExit) {
  TLight light;
  light.LightAngle = 180;
  double lastDirection = -1;
  TfrmLight dialog(light, 0.0, [&](double direction) { lastDirection = direction; });
  auto* slider = dialog.findChild<QSlider*>("GaugeBar1");
  auto* angle = dialog.findChild<QLabel*>("lblAngle");
  ASSERT_TRUE(slider && angle);
  EXPECT_EQ(slider->value(), 0);
  EXPECT_EQ(angle->text(), "0");
  EXPECT_EQ(light.LightAngle, 180) << "opening leaves the light alone";
  EXPECT_TRUE(dialog.findChild<QRadioButton*>("radTerrain")->isChecked());

  dialog.findChild<QRadioButton*>("radBoat")->click();
  EXPECT_TRUE(light.HeadingLight);
  EXPECT_EQ(light.LightAngle, 360) << "turned by half a circle";
  EXPECT_EQ(slider->value(), 180);

  slider->setValue(90);
  EXPECT_EQ(angle->text(), "90");
  EXPECT_EQ(light.LightAngle, 270);

  dialog.findChild<QPushButton*>("btnCancel")->click();
  EXPECT_FALSE(light.HeadingLight);
  EXPECT_EQ(light.LightAngle, 180) << "Exit puts the light back";
  EXPECT_EQ(lastDirection, 180.0);
}

}  // namespace
}  // namespace velmara

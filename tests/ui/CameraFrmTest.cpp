// The camera selector: which buttons it offers and presses, and what each way of closing it gives.

#include "app/forms/CameraFrm.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QTimer>

namespace velmara {
namespace {

TEST(CameraFrm, NetCamerasOnlyWithANet) {
  TCameraFrm withoutNet(5, false);
  EXPECT_EQ(withoutNet.windowTitle(), "Camera Selection");
  for (int number = 1; number <= TCameraFrm::CameraCount; ++number) {
    EXPECT_EQ(withoutNet.CameraButton(number)->isEnabled(), number != 5 && number != 6) << number;
    EXPECT_FALSE(withoutNet.CameraButton(number)->isChecked()) << "behind-net camera current, no net: none pressed";
    EXPECT_EQ(withoutNet.CameraButton(number)->toolTip(), TCameraFrm::Hints[number - 1]);
  }
  EXPECT_EQ(withoutNet.Picture()->objectName(), "imgCamerasNoNet");

  TCameraFrm withNet(5, true);
  EXPECT_TRUE(withNet.CameraButton(6)->isEnabled());
  EXPECT_TRUE(withNet.CameraButton(5)->isChecked());
  EXPECT_EQ(withNet.Picture()->objectName(), "imgCameras");
}

TEST(CameraFrm, HintsOfTheButtons) {
  TCameraFrm dialog(2, false);
  EXPECT_EQ(dialog.CameraButton(1)->toolTip(), "Follow boat camera");
  EXPECT_EQ(dialog.CameraButton(4)->toolTip(), "Forward view camera");
  EXPECT_EQ(dialog.CameraButton(7)->toolTip(), "Front camera");
  EXPECT_EQ(dialog.ResetButton()->toolTip(), "Press this button to reset all cameras to their default positions");
  EXPECT_TRUE(dialog.CameraButton(2)->isChecked());
}

// Runs the dialog modally and clicks one of its buttons once it is up.
int RunAndClick(TCameraFrm& dialog, QAbstractButton* button) {
  QTimer::singleShot(0, button, [button] { button->click(); });
  dialog.exec();
  return dialog.Chosen();
}

TEST(CameraFrm, ClosingGivesTheChoice) {
  {
    TCameraFrm dialog(2, false);
    EXPECT_EQ(RunAndClick(dialog, dialog.CameraButton(3)), 3);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
  }
  {
    TCameraFrm dialog(2, false);
    bool reset = false;
    dialog.OnReset = [&] { reset = true; };
    EXPECT_EQ(RunAndClick(dialog, dialog.ResetButton()), 2) << "Reset closes with the pressed camera";
    EXPECT_TRUE(reset);
  }
  {
    TCameraFrm dialog(5, false);
    bool reset = false;
    dialog.OnReset = [&] { reset = true; };
    EXPECT_EQ(RunAndClick(dialog, dialog.ResetButton()), 0) << "nothing pressed, nothing chosen";
    EXPECT_TRUE(reset);
  }
  {
    TCameraFrm dialog(1, true);
    EXPECT_EQ(RunAndClick(dialog, dialog.ExitButton()), 0);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
  }
}

}  // namespace
}  // namespace velmara

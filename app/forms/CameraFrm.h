#pragma once
// The camera selector ("Camera Selection"): seven grouped camera buttons with their hints, "Reset"
// and "Exit". Modal; the caller reads the chosen camera number afterwards. The net cameras (5 and
// 6) can only be chosen while a net is shown, and the picture beside the buttons shows the net
// only then.

#include <QDialog>

#include <array>
#include <functional>

class QAbstractButton;
class QButtonGroup;
class QLabel;

namespace velmara {

class TCameraFrm : public QDialog {
public:
  static constexpr int CameraCount = 7;
  // The hints of the camera buttons 1 … 7.
  static constexpr std::array<const char*, CameraCount> Hints = {"Follow boat camera", "Sky camera",         "Aft view camera",
                                                                 "Forward view camera", "Behind net camera", "In net camera",
                                                                 "Front camera"};

  // `current` is the selector number of the current camera (0: none of the seven).
  TCameraFrm(int current, bool netShown, QWidget* parent = nullptr);

  // Restores every camera from the defaults table; run by "Reset" before the dialog closes.
  std::function<void()> OnReset;

  // The camera number chosen (1 … 7), or 0 when the dialog closed without a choice.
  int Chosen() const { return chosen_; }
  QAbstractButton* CameraButton(int number) const;
  QAbstractButton* ResetButton() const { return reset_; }
  QAbstractButton* ExitButton() const { return exit_; }
  // The picture text: the boat with its net, or the boat alone.
  const QLabel* Picture() const { return picture_; }

private:
  void Choose(int number);

  QButtonGroup* group_ = nullptr;
  QAbstractButton* reset_ = nullptr;
  QAbstractButton* exit_ = nullptr;
  QLabel* picture_ = nullptr;
  int chosen_ = 0;
};

}  // namespace velmara

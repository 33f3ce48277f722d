#pragma once
// "Light Direction": where the relief's light comes from, on a dial of compass letters (Terrain)
// or of boat pictures (Boat), set by a slider; "&Default" and "Exit" (which puts the light back as
// it was when the dialog opened). The rules live in TLightDialogLogic.

#include "colour/Shading.h"

#include <QDialog>

#include <functional>

class QLabel;
class QRadioButton;
class QSlider;

namespace velmara {

class TfrmLight : public QDialog {
public:
  // `apply` receives the direction angle to light the terrain with after every change.
  TfrmLight(TLight& light, double boatHeading, std::function<void(double direction)> apply, QWidget* parent = nullptr);

  const TLightDialogLogic& Logic() const { return logic_; }

private:
  class Dial;
  void Show();

  TLight& light_;
  TLightDialogLogic logic_;
  std::function<void(double)> apply_;
  QRadioButton* radTerrain_ = nullptr;
  QRadioButton* radBoat_ = nullptr;
  QSlider* gaugeBar_ = nullptr;
  QLabel* lblAngle_ = nullptr;
  Dial* dial_ = nullptr;
  bool updating_ = false;
};

}  // namespace velmara

#pragma once
// How the chart looks: the shading level, the light's direction and its dialog, day and night
// colours across the scene and the window's controls, and the wire frame.

#include "app/scene/MainScene.h"
#include "app/view/ChartTerrain.h"
#include "app/view/MainControls.h"
#include "colour/Shading.h"

#include <functional>

class QWidget;

namespace velmara {

class TImageList;

class TTerrainLook {
public:
  TTerrainLook(TMainScene& scene, TChartTerrain& terrain, const TMainControls& controls, const TImageList& lightImages,
               const TImageList& darkImages);

  TLight Light;
  int PanelSchemeOption = 2;
  bool Night = false;
  // Run after the day/night switch to reload the palette and apply it (the palette tool bar's).
  std::function<void()> OnDayNightChanged;
  std::function<double()> BoatHeading;

  // Index into the shading list: the normal map is rebuilt at that strength and uploaded.
  void ApplyShading(int index);
  void SetLightAngle(int angle);
  void SetLightDirection(double angle, bool relative);
  void SetContrast(bool night);
  void SetDayNight(bool night);
  void SetPanelScheme(bool light);
  void SetWireFrame(bool on);
  // The "Light Direction" dialog, modal.
  void ShowLightDialog(QWidget* parent);

  bool PanelDark() const { return panelDark_; }

private:
  void Wire();

  TMainScene& scene_;
  TChartTerrain& terrain_;
  const TMainControls& controls_;
  const TImageList& lightImages_;
  const TImageList& darkImages_;
  int shadingBase_ = 64;
  bool panelDark_ = false;
};

}  // namespace velmara

#pragma once
// The terrain commands of the main window: the map-resolution list and its change, "Refresh
// Terrain", "Display Sea Surface", and the status texts and check-box colours after a load.

#include "app/scene/MainScene.h"
#include "app/view/ChartTerrain.h"
#include "app/view/MainControls.h"

#include <functional>

namespace velmara {

class TSceneView;

class TTerrainCommands {
public:
  TTerrainCommands(TMainScene& scene, TSceneView& view, const TMainControls& controls, TChartTerrain& terrain, bool inshore);

  // Where the chart is now (the boat's position): the resolution change reloads around it.
  std::function<void(double& lat, double& lon)> CurrentPosition;
  // Called around a change that reloads (pauses the frame loop while true).
  std::function<void(bool busy)> SetBusy;
  // After the move: place the boat and sky anchor at the grid point.
  std::function<void(const TGridPoint&)> PlaceBoat;

  void FillMapResolutions(int savedIndex);
  void MapResolutionChanged(int index);
  void Refresh();
  void ShowSeaSurface(bool show);
  // The mode and lake texts and the check boxes' colours for the panel scheme.
  void StatusTexts(bool darkPanel, bool roughSeas);

  int MapResolution() const { return applied_; }

private:
  TMainScene& scene_;
  TSceneView& view_;
  const TMainControls& controls_;
  TChartTerrain& terrain_;
  bool inshore_;
  int applied_ = 1;
  int previous_ = 1;
};

}  // namespace velmara

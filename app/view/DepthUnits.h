#pragma once
// The depth-unit switch (System > Depth Units: Meters, Fathoms, Feet): depths stay in metres inside;
// the displayed palette range, contour interval and wire out are carried over into the new unit,
// rounded, and the unit labels, legend hint and menu ticks follow. Owned by the main window; main
// thread only. Parts of the chart that show depths elsewhere are told through the hooks.

#include "app/base/Geodesy.h"

#include <functional>

namespace velmara {

class TSceneView;
struct TMainControls;

struct TDepthUnitHooks {
  std::function<void(TDepthUnit from)> ConvertNetSetup;  // wire out and door values of the net set-up
  std::function<void(TDepthUnit to)> ShowNetSetupUnits;  // its unit labels and values in the new unit
  std::function<void()> RefreshMarkDepths;
  std::function<void()> RefreshBearingTool;
  std::function<bool()> DepthPaletteActive;              // the range boxes show the depth palette
  std::function<void()> ApplyPaletteRange;
  std::function<void(TDepthUnit)> SendUnitToPlotter;
  std::function<void()> RebuildNetIfOut;
  std::function<void()> RequestRecentre;
  std::function<void()> RefreshTideLine;
};

class TDepthUnits {
public:
  TDepthUnits(const TMainControls& controls, TSceneView& view);

  TDepthUnitHooks Hooks;

  TDepthUnit Unit() const;
  // The handlers of the three menu items.
  void MetersClick() { Switch(TDepthUnit::Metres); }
  void Fathoms1Click() { Switch(TDepthUnit::Fathoms); }
  void Feet1Click() { Switch(TDepthUnit::Feet); }
  void Switch(TDepthUnit unit);

private:
  const TMainControls& controls_;
  TSceneView& view_;
};

// "Metres", "Fathoms" or "Feet": the legend's hint.
const char* UnitName(TDepthUnit unit);

}  // namespace velmara

#pragma once
// The values the main window starts with, before any profile or stored setting changes them.

#include "app/base/Geodesy.h"

#include <string_view>

namespace velmara {

struct TStartupDefaults {
  double latitude = -41.216666;  // 41.216666 S, 174.32416666 E: Tory Channel
  double longitude = 174.32416666;
  TDepthUnit depthUnit = TDepthUnit::Metres;
  std::string_view legendHint = "Metres";
  int netModelKind = 0;  // and every net flag cleared
  int mapResolutionIndex = 1;
  int headUpDisplayOption = 1;
  bool plotterCursor = true;
  int lightAngle = 180;
  bool headingLighting = false;
  bool dynamicDepth = true;
  bool dynamicHardness = false;
  bool dynamicRoughness = false;
  bool seaMode = true;  // System Mode "Sea" ticked, "Lakes..." unticked, lake mode off
  bool roughSeaMode = false;
  int netDepthLimits[2] = {50, 50};
};

inline constexpr int MinNetDepthLimit = 5;
inline constexpr int MaxNetDepthLimit = 3800;

// The net depth limits are 50 inshore and 200 deep-sea.
TStartupDefaults StartupDefaults(bool inshore);

// A net depth limit kept within 5 ... 3800.
int KeepNetDepthLimit(int limit);

}  // namespace velmara

#pragma once
// One band of a sky dome: between two elevations (degrees above the horizon, negative below) its
// colour runs from the start colour at the lower edge to the stop colour at the upper edge.

#include "scene/material/Colour.h"

namespace velmara::scene {

struct SkyBand {
  float startAngle = 0.0f;
  float stopAngle = 90.0f;
  Colour startColour{1.0f, 1.0f, 1.0f, 1.0f};
  Colour stopColour{0.0f, 0.0f, 1.0f, 1.0f};
};

}  // namespace velmara::scene

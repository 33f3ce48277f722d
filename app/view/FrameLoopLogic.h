#pragma once
// The frame loop's rules that need no window: movement speeds, zoom and Page Up / Page Down
// limits, where the arrow keys move the sky anchor or the boat, the heading read-outs and the
// model-depth texts. Plain functions of plain values, tested directly.

#include "app/base/Geodesy.h"

#include <glm/glm.hpp>

#include <optional>
#include <string>

namespace velmara {

// Distance a held key moves things this frame: step (seconds-scaled) and k (the arrow factor).
struct TMoveSpeed {
  double step = 0.0;
  double k = 0.0;
};
TMoveSpeed MoveSpeed(double deltaTime, bool shift, bool skyCameraCurrent);

// Zoom of the current camera by "Z" (in) and "X" (out): scene scale first, then focal length.
struct TZoom {
  float sceneScale = 1.0f;
  float focalLength = 50.0f;
};
TZoom ZoomIn(TZoom zoom);
TZoom ZoomOut(TZoom zoom);

// Page Up / Page Down.
struct TSkyDistanceChange {
  std::optional<float> factor;          // scale the camera's distance to its target by this
  std::optional<float> depthOfView;     // raise the depth of view to this
};
// The sky camera: at `distance` from its target with `depthOfView`; `tableDepth` is the depth of
// view of the camera table.
TSkyDistanceChange SkyPageUp(float distance, float depthOfView, float tableDepth);
TSkyDistanceChange SkyPageDown(float distance, float depthOfView, float tableDepth);
// Other cameras: the camera height offset, kept within 0.5 … 14000.
float HeightOffsetPageUp(float offset);
float HeightOffsetPageDown(float offset);

enum class TArrow { Up, Down, Left, Right };
// With the sky camera current the anchor moves relative to where the camera looks: c is the
// camera's position relative to the anchor (x, z).
glm::vec3 SkyAnchorMove(TArrow arrow, const glm::vec2& c, double k);
// With another camera the boat steers along its direction d (x, z).
glm::vec3 BoatMove(TArrow arrow, const glm::vec2& d, double k);

// Heading (degrees true) of a scene vector projected into the terrain plane: +X west, +Z north.
double SceneHeading(const glm::vec3& vector);
// "20.0ºT"
std::string HeadingText(double heading);

// Model depth read-outs for a model depth in metres (positive down).
std::string ModelDepthLine(double depthMetres, TDepthUnit unit);                // the heads-up line
std::string BoatDepthText(double depthMetres, TDepthUnit unit, bool inshore);  // txtDepth, boat depth text

}  // namespace velmara

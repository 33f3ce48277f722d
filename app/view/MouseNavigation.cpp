#include "app/view/MouseNavigation.h"

#include <cmath>
#include <numbers>

namespace velmara {

glm::vec3 SkyPanOffset(const TMouseDelta& m, const glm::vec3& c) {
  return {(m.dy * c.x + m.dx * c.z) / 70.0f, 0.0f, (m.dy * c.z - m.dx * c.x) / 70.0f};
}

glm::vec3 BoatPanOffset(const TMouseDelta& m, const glm::vec3& d) { return {m.dy * d.x + m.dx * d.z, 0.0f, m.dy * d.z - m.dx * d.x}; }

float ZoomFactor(bool skyCamera, const TMouseDelta& m) { return (skyCamera ? -m.dy : m.dy) / 500.0f + 1.0f; }

bool SkyZoomAllowed(float distance, float f) { return (f > 1.0f && distance < 256.0f) || (f < 1.0f && distance > 3.0f); }

TLens ZoomLens(const TLens& lens, float f) {
  TLens zoomed = lens;
  if (f > 1.0f) {
    if (lens.SceneScale != 1.0f || lens.FocalLength >= 50.0f)
      zoomed.SceneScale *= f;
    else
      zoomed.FocalLength *= f;
  } else if (lens.SceneScale > 1.0f) {
    zoomed.SceneScale *= f;
  } else if (lens.FocalLength > 22.0f) {
    zoomed.FocalLength *= f;
  }
  return zoomed;
}

double CompassHeading(const glm::vec3& v) {
  double h = std::atan2(-static_cast<double>(v.x), static_cast<double>(v.z)) * 180.0 / std::numbers::pi;
  if (h < 0.0) h += 360.0;
  if (h >= 360.0) h -= 360.0;
  return h;
}

}  // namespace velmara

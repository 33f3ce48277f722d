#include "app/view/FrameLoopLogic.h"

#include <cmath>
#include <cstdio>

namespace velmara {

TMoveSpeed MoveSpeed(double deltaTime, bool shift, bool skyCameraCurrent) {
  TMoveSpeed speed = shift ? TMoveSpeed{deltaTime * 40.0, 6.0} : TMoveSpeed{deltaTime * 10.0, 0.5};
  if (skyCameraCurrent) speed.k /= 10.0;
  return speed;
}

TZoom ZoomIn(TZoom zoom) {
  if (zoom.sceneScale != 1.0f || zoom.focalLength >= 50.0f) {
    zoom.sceneScale += 1.0f;
  } else {
    zoom.focalLength += 2.0f;
  }
  return zoom;
}

TZoom ZoomOut(TZoom zoom) {
  if (zoom.sceneScale != 1.0f) {
    zoom.sceneScale -= 1.0f;
  } else if (zoom.focalLength > 22.0f) {
    zoom.focalLength -= 2.0f;
  }
  return zoom;
}

TSkyDistanceChange SkyPageUp(float distance, float depthOfView, float tableDepth) {
  TSkyDistanceChange change;
  if (distance <= 512.0f && tableDepth > depthOfView) change.depthOfView = tableDepth;
  if (distance > 3.0f) change.factor = 0.9f;
  return change;
}

TSkyDistanceChange SkyPageDown(float distance, float depthOfView, float tableDepth) {
  TSkyDistanceChange change;
  if (distance > 512.0f && tableDepth > depthOfView) change.depthOfView = tableDepth;
  if (distance < 900.0f) change.factor = 1.1f;
  return change;
}

float HeightOffsetPageUp(float offset) { return offset > 0.5f ? offset - 0.5f : offset; }
float HeightOffsetPageDown(float offset) { return offset < 14000.0f ? offset + 0.5f : offset; }

glm::vec3 SkyAnchorMove(TArrow arrow, const glm::vec2& c, double k) {
  const float kf = static_cast<float>(k);
  switch (arrow) {
    case TArrow::Up:
      return {-c.x * kf, 0.0f, -c.y * kf};
    case TArrow::Down:
      return {c.x * kf, 0.0f, c.y * kf};
    case TArrow::Left:
      return {-c.y * kf, 0.0f, c.x * kf};
    case TArrow::Right:
      return {c.y * kf, 0.0f, -c.x * kf};
  }
  return glm::vec3(0.0f);
}

glm::vec3 BoatMove(TArrow arrow, const glm::vec2& d, double k) {
  const float kf = static_cast<float>(k);
  switch (arrow) {
    case TArrow::Up:
      return {d.x * kf, 0.0f, d.y * kf};
    case TArrow::Down:
      return {-d.x * kf, 0.0f, -d.y * kf};
    case TArrow::Left:
      return {d.y * kf, 0.0f, -d.x * kf};
    case TArrow::Right:
      return {-d.y * kf, 0.0f, d.x * kf};
  }
  return glm::vec3(0.0f);
}

double SceneHeading(const glm::vec3& vector) {
  // The heading formula takes the plane vector with north first and east second (east is −X).
  return HeadingOfVector(vector.z, -vector.x);
}

std::string HeadingText(double heading) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f\u00BAT", heading);
  return text;
}

std::string ModelDepthLine(double depthMetres, TDepthUnit unit) {
  char text[48];
  std::snprintf(text, sizeof text, "%.1f %s", static_cast<double>(MetresToDisplayDepth(static_cast<float>(depthMetres), unit)),
                UnitLabel(unit));
  return text;
}

std::string BoatDepthText(double depthMetres, TDepthUnit unit, bool inshore) {
  char text[64];
  std::snprintf(text, sizeof text, inshore ? "Model depth at boat: %.1f %s" : "Model depth at boat: %.0f %s",
                static_cast<double>(MetresToDisplayDepth(static_cast<float>(depthMetres), unit)), UnitLabel(unit));
  return text;
}

}  // namespace velmara

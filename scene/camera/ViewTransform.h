#pragma once
// What a camera sees in one viewport: view and projection matrices and the viewport, with the
// conversions between scene points and window points.
//
// Window points are in pixels with the origin at the bottom-left corner of the viewport (GL's
// convention, as gluProject and gluUnProject use it) and a depth of 0 at the near plane and 1 at
// the far plane. Heads-up objects alone are placed from the top-left corner.

#include "scene/camera/Ray.h"

#include <glm/glm.hpp>

#include <array>

namespace velmara::scene {

struct Viewport {
  int x = 0;
  int y = 0;
  int width = 1;
  int height = 1;
  float aspect() const { return height > 0 ? static_cast<float>(width) / static_cast<float>(height) : 1.0f; }
};

class ViewTransform {
public:
  ViewTransform() = default;
  ViewTransform(const glm::mat4& view, const glm::mat4& projection, const Viewport& viewport);

  const glm::mat4& view() const { return view_; }
  const glm::mat4& projection() const { return projection_; }
  const glm::mat4& viewProjection() const { return viewProjection_; }
  const Viewport& viewport() const { return viewport_; }
  const glm::vec3& eye() const { return eye_; }
  // Unit vectors of the screen's right and up, and of the looking direction, in the scene.
  glm::vec3 right() const;
  glm::vec3 upward() const;
  glm::vec3 forward() const;

  // Scene point to window point (x, y, depth).
  glm::vec3 project(const glm::vec3& point) const;
  // Window point (x, y, depth) back to the scene.
  glm::vec3 unproject(const glm::vec3& window) const;
  // The ray from the eye through a window point.
  Ray ray(const glm::vec2& window) const;
  // Whether a sphere reaches into the view frustum.
  bool sphereVisible(const glm::vec3& centre, float radius) const;

private:
  glm::mat4 view_{1.0f};
  glm::mat4 projection_{1.0f};
  glm::mat4 viewProjection_{1.0f};
  glm::mat4 inverseViewProjection_{1.0f};
  glm::vec3 eye_{0.0f};
  Viewport viewport_;
  std::array<glm::vec4, 6> planes_{};
};

}  // namespace velmara::scene

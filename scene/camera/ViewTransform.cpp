#include "scene/camera/ViewTransform.h"

namespace velmara::scene {

ViewTransform::ViewTransform(const glm::mat4& view, const glm::mat4& projection, const Viewport& viewport)
    : view_(view),
      projection_(projection),
      viewProjection_(projection * view),
      inverseViewProjection_(glm::inverse(projection * view)),
      eye_(glm::vec3(glm::inverse(view)[3])),
      viewport_(viewport) {
  // Frustum planes from the rows of the combined matrix (Gribb and Hartmann); inside is >= 0.
  const glm::mat4 m = glm::transpose(viewProjection_);
  planes_ = {m[3] + m[0], m[3] - m[0], m[3] + m[1], m[3] - m[1], m[3] + m[2], m[3] - m[2]};
  for (auto& plane : planes_) plane /= glm::length(glm::vec3(plane));
}

glm::vec3 ViewTransform::right() const { return glm::vec3(view_[0][0], view_[1][0], view_[2][0]); }
glm::vec3 ViewTransform::upward() const { return glm::vec3(view_[0][1], view_[1][1], view_[2][1]); }
glm::vec3 ViewTransform::forward() const { return -glm::vec3(view_[0][2], view_[1][2], view_[2][2]); }

glm::vec3 ViewTransform::project(const glm::vec3& point) const {
  const glm::vec4 clip = viewProjection_ * glm::vec4(point, 1.0f);
  const glm::vec3 ndc = glm::vec3(clip) / clip.w;
  return {static_cast<float>(viewport_.x) + (ndc.x * 0.5f + 0.5f) * static_cast<float>(viewport_.width),
          static_cast<float>(viewport_.y) + (ndc.y * 0.5f + 0.5f) * static_cast<float>(viewport_.height),
          ndc.z * 0.5f + 0.5f};
}

glm::vec3 ViewTransform::unproject(const glm::vec3& window) const {
  const glm::vec4 ndc((window.x - static_cast<float>(viewport_.x)) / static_cast<float>(viewport_.width) * 2.0f - 1.0f,
                      (window.y - static_cast<float>(viewport_.y)) / static_cast<float>(viewport_.height) * 2.0f - 1.0f,
                      window.z * 2.0f - 1.0f, 1.0f);
  const glm::vec4 point = inverseViewProjection_ * ndc;
  return glm::vec3(point) / point.w;
}

Ray ViewTransform::ray(const glm::vec2& window) const {
  const glm::vec3 through = unproject(glm::vec3(window, 0.0f));
  return Ray{eye_, glm::normalize(through - eye_)};
}

bool ViewTransform::sphereVisible(const glm::vec3& centre, float radius) const {
  for (const auto& plane : planes_) {
    if (glm::dot(glm::vec3(plane), centre) + plane.w < -radius) return false;
  }
  return true;
}

}  // namespace velmara::scene

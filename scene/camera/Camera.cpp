#include "scene/camera/Camera.h"

#include <glm/gtc/matrix_transform.hpp>

#include <algorithm>
#include <cmath>

namespace velmara::scene {

Camera::Camera(std::string name) : SceneObject(std::move(name)) { setPickable(false); }

void Camera::setTarget(const SceneObject* target) { target_ = target ? target->ref() : ObjectRef(); }

float Camera::nearPlane() const { return std::max(depthOfView_ / 20000.0f, 0.01f); }

float Camera::verticalFieldOfView() const {
  const float lens = std::max(focalLength_ * sceneScale_, 1e-3f);
  return glm::degrees(2.0f * std::atan(25.0f / lens));
}

glm::vec3 Camera::lookPoint() const {
  if (const SceneObject* target = target_.get()) return target->absolutePosition();
  return absolutePosition() + absoluteDirection();
}

glm::mat4 Camera::viewMatrix() const {
  const glm::vec3 eye = absolutePosition();
  glm::vec3 forward = lookPoint() - eye;
  if (glm::length(forward) < 1e-6f) forward = absoluteDirection();
  forward = glm::normalize(forward);
  glm::vec3 up = absoluteUp();
  if (glm::length(glm::cross(forward, up)) < 1e-4f) {
    // Looking straight along up: any up across the view will do, take the scene's north.
    up = std::abs(forward.z) < 0.9f ? glm::vec3(0, 0, 1) : glm::vec3(1, 0, 0);
  }
  return glm::lookAt(eye, eye + forward, up);
}

glm::mat4 Camera::projectionMatrix(float aspect) const {
  return glm::perspective(glm::radians(verticalFieldOfView()), aspect, nearPlane(), depthOfView_);
}

ViewTransform Camera::viewTransform(const Viewport& viewport) const {
  return ViewTransform(viewMatrix(), projectionMatrix(viewport.aspect()), viewport);
}

void Camera::moveAroundTarget(float pitchDegrees, float turnDegrees) {
  if (const SceneObject* target = target_.get()) {
    SceneObject::moveAroundTarget(pitchDegrees, turnDegrees, target->absolutePosition());
  }
}

void Camera::adjustDistanceToTarget(float factor) {
  const SceneObject* target = target_.get();
  if (!target) return;
  const glm::vec3 centre = target->absolutePosition();
  setAbsolutePosition(centre + (absolutePosition() - centre) * factor);
}

float Camera::distanceToTarget() const {
  const SceneObject* target = target_.get();
  return target ? glm::length(absolutePosition() - target->absolutePosition()) : 0.0f;
}

}  // namespace velmara::scene

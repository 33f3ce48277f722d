#include "scene/graph/SceneObject.h"

#include <glm/gtc/quaternion.hpp>

#include <algorithm>
#include <cassert>
#include <cmath>

namespace velmara::scene {
namespace {

constexpr float kDegenerate = 1e-6f;
const glm::vec3 kSceneUp{0.0f, 1.0f, 0.0f};

glm::vec3 rotated(const glm::vec3& v, float degrees, const glm::vec3& axis) {
  return glm::angleAxis(glm::radians(degrees), glm::normalize(axis)) * v;
}

// Any unit vector perpendicular to v.
glm::vec3 perpendicular(const glm::vec3& v) {
  const glm::vec3 other = std::abs(v.y) < 0.9f ? glm::vec3(0, 1, 0) : glm::vec3(0, 0, 1);
  return glm::normalize(glm::cross(other, v));
}

}  // namespace

SceneObject::SceneObject(std::string name)
    : name_(std::move(name)), lifetime_(std::make_shared<SceneObject* const>(this)) {}

SceneObject::~SceneObject() = default;

void SceneObject::setDirection(const glm::vec3& direction) {
  const float length = glm::length(direction);
  if (length < kDegenerate) return;
  const glm::vec3 next = direction / length;
  glm::vec3 up = up_ - glm::dot(up_, next) * next;
  if (glm::length(up) < 1e-4f) {
    // The new direction lies along the old up: carry up through the same rotation instead.
    glm::vec3 axis = glm::cross(direction_, next);
    if (glm::length(axis) < kDegenerate) axis = left();
    const float angle = std::acos(std::clamp(glm::dot(direction_, next), -1.0f, 1.0f));
    up = glm::angleAxis(angle, glm::normalize(axis)) * up_;
    up -= glm::dot(up, next) * next;
    if (glm::length(up) < 1e-4f) up = perpendicular(next);
  }
  direction_ = next;
  up_ = glm::normalize(up);
}

void SceneObject::setUp(const glm::vec3& up) {
  const float length = glm::length(up);
  if (length < kDegenerate) return;
  glm::vec3 next = up / length;
  next -= glm::dot(next, direction_) * direction_;
  if (glm::length(next) < 1e-4f) return;  // parallel to the direction: nothing sensible to keep
  up_ = glm::normalize(next);
}

glm::mat4 SceneObject::localMatrix() const {
  glm::mat4 matrix(1.0f);
  matrix[0] = glm::vec4(left() * scale_.x, 0.0f);
  matrix[1] = glm::vec4(up_ * scale_.y, 0.0f);
  matrix[2] = glm::vec4(direction_ * scale_.z, 0.0f);
  matrix[3] = glm::vec4(position_, 1.0f);
  return matrix;
}

glm::mat4 SceneObject::parentMatrix() const { return parent_ ? parent_->absoluteMatrix() : glm::mat4(1.0f); }

glm::mat4 SceneObject::absoluteMatrix() const { return parentMatrix() * localMatrix(); }

glm::vec3 SceneObject::absolutePosition() const { return glm::vec3(parentMatrix() * glm::vec4(position_, 1.0f)); }

void SceneObject::setAbsolutePosition(const glm::vec3& position) {
  position_ = parent_ ? parent_->absoluteToLocal(position) : position;
}

glm::vec3 SceneObject::absoluteDirection() const {
  return parent_ ? glm::normalize(parent_->localVectorToAbsolute(direction_)) : direction_;
}

void SceneObject::setAbsoluteDirection(const glm::vec3& direction) {
  setDirection(parent_ ? parent_->absoluteVectorToLocal(direction) : direction);
}

glm::vec3 SceneObject::absoluteUp() const {
  return parent_ ? glm::normalize(parent_->localVectorToAbsolute(up_)) : up_;
}

void SceneObject::setAbsoluteUp(const glm::vec3& up) { setUp(parent_ ? parent_->absoluteVectorToLocal(up) : up); }

glm::vec3 SceneObject::localToAbsolute(const glm::vec3& point) const {
  return glm::vec3(absoluteMatrix() * glm::vec4(point, 1.0f));
}

glm::vec3 SceneObject::absoluteToLocal(const glm::vec3& point) const {
  return glm::vec3(glm::inverse(absoluteMatrix()) * glm::vec4(point, 1.0f));
}

glm::vec3 SceneObject::localVectorToAbsolute(const glm::vec3& vector) const {
  return glm::vec3(absoluteMatrix() * glm::vec4(vector, 0.0f));
}

glm::vec3 SceneObject::absoluteVectorToLocal(const glm::vec3& vector) const {
  return glm::vec3(glm::inverse(absoluteMatrix()) * glm::vec4(vector, 0.0f));
}

void SceneObject::pointTo(const glm::vec3& absolutePoint) {
  const glm::vec3 towards = absolutePoint - absolutePosition();
  if (glm::length(towards) < kDegenerate) return;
  setAbsoluteDirection(towards);
}

void SceneObject::pointTo(const SceneObject& target) { pointTo(target.absolutePosition()); }

void SceneObject::turn(float degrees) { direction_ = glm::normalize(rotated(direction_, degrees, up_)); }

void SceneObject::pitch(float degrees) {
  const glm::vec3 axis = left();
  direction_ = glm::normalize(rotated(direction_, degrees, axis));
  up_ = glm::normalize(rotated(up_, degrees, axis));
}

void SceneObject::roll(float degrees) { up_ = glm::normalize(rotated(up_, degrees, direction_)); }

void SceneObject::move(float distance) { position_ += direction_ * distance; }

void SceneObject::moveAroundTarget(float pitchDegrees, float turnDegrees, const glm::vec3& absoluteTarget) {
  glm::vec3 offset = absolutePosition() - absoluteTarget;
  const float distance = glm::length(offset);
  if (distance < kDegenerate) return;
  offset = rotated(offset, turnDegrees, kSceneUp);

  glm::vec3 horizontal(offset.x, 0.0f, offset.z);
  if (glm::length(horizontal) < kDegenerate) {
    // Straight above or below: the horizontal heading comes from where the object looks.
    const glm::vec3 looking = absoluteDirection();
    horizontal = -glm::vec3(looking.x, 0.0f, looking.z);
    if (glm::length(horizontal) < kDegenerate) horizontal = glm::vec3(0, 0, -1);
  }
  horizontal = glm::normalize(horizontal);
  const float elevation = std::asin(std::clamp(offset.y / distance, -1.0f, 1.0f));
  const float limit = glm::radians(89.0f);
  const float next = std::clamp(elevation + glm::radians(pitchDegrees), -limit, limit);
  offset = distance * (std::cos(next) * horizontal + std::sin(next) * kSceneUp);

  setAbsolutePosition(absoluteTarget + offset);
  setAbsoluteUp(kSceneUp);  // first, so that pointTo never sees an up along the new direction
  pointTo(absoluteTarget);
  setAbsoluteUp(kSceneUp);
}

void SceneObject::attachChild(std::unique_ptr<SceneObject> child) {
  assert(child && "SceneObject::addChild(): no object");
  assert(!child->parent_ && "SceneObject::addChild(): the object has a parent already");
  child->parent_ = this;
  children_.push_back(std::move(child));
}

std::unique_ptr<SceneObject> SceneObject::removeChild(SceneObject& child) {
  const auto found = std::find_if(children_.begin(), children_.end(),
                                  [&](const std::unique_ptr<SceneObject>& c) { return c.get() == &child; });
  if (found == children_.end()) return nullptr;
  std::unique_ptr<SceneObject> removed = std::move(*found);
  children_.erase(found);
  removed->parent_ = nullptr;
  return removed;
}

void SceneObject::clearChildren() { children_.clear(); }

SceneObject* SceneObject::findChild(std::string_view name, bool recursive) const {
  for (const auto& child : children_) {
    if (child->name_ == name) return child.get();
  }
  if (recursive) {
    for (const auto& child : children_) {
      if (SceneObject* found = child->findChild(name, true)) return found;
    }
  }
  return nullptr;
}

void SceneObject::submit(FrameBuilder&, const glm::mat4&) const {}

std::optional<float> SceneObject::hitDistance(const PickQuery&, const glm::mat4&) const { return std::nullopt; }

}  // namespace velmara::scene

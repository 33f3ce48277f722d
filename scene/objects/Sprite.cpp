#include "scene/objects/Sprite.h"

#include "scene/pick/PickQuery.h"
#include "scene/render/FrameBuilder.h"

#include <cmath>

namespace velmara::scene {

Sprite::Sprite(std::string name) : MaterialObject(std::move(name)) {
  material().lit = false;
  material().diffuse = Colour(1.0f);
  material().culling = FaceCulling::None;
}

glm::vec2 Sprite::sizeIn(const glm::mat4& absolute) const {
  return {width_ * glm::length(glm::vec3(absolute[0])), height_ * glm::length(glm::vec3(absolute[1]))};
}

void Sprite::submit(FrameBuilder& frame, const glm::mat4& absolute) const {
  frame.addSprite(glm::vec3(absolute[3]), sizeIn(absolute), rotation_, effectiveMaterial());
}

std::optional<float> Sprite::hitDistance(const PickQuery& query, const glm::mat4& absolute) const {
  const glm::vec3 centre(absolute[3]);
  const glm::vec3 normal = -query.view.forward();
  const float facing = glm::dot(query.ray.direction, normal);
  if (std::abs(facing) < 1e-9f) return std::nullopt;
  const float t = glm::dot(centre - query.ray.origin, normal) / facing;
  if (t < 0.0f) return std::nullopt;
  const glm::vec3 offset = query.ray.at(t) - centre;
  const float angle = glm::radians(rotation_);
  const glm::vec3 right = query.view.right();
  const glm::vec3 up = query.view.upward();
  // Into the sprite's own (rotated) axes.
  const glm::vec2 screen(glm::dot(offset, right), glm::dot(offset, up));
  const glm::vec2 local(std::cos(angle) * screen.x + std::sin(angle) * screen.y,
                        -std::sin(angle) * screen.x + std::cos(angle) * screen.y);
  const glm::vec2 half = sizeIn(absolute) * 0.5f;
  if (std::abs(local.x) > half.x || std::abs(local.y) > half.y) return std::nullopt;
  return t;
}

}  // namespace velmara::scene

#pragma once
// A half line in the scene: origin and unit direction.

#include <glm/glm.hpp>

namespace velmara::scene {

struct Ray {
  glm::vec3 origin{0.0f};
  glm::vec3 direction{0.0f, 0.0f, -1.0f};
  glm::vec3 at(float distance) const { return origin + direction * distance; }
};

}  // namespace velmara::scene

#include "scene/objects/Sphere.h"

#include "scene/geometry/Shapes.h"
#include "scene/geometry/SharedShapes.h"

#include <glm/gtc/matrix_transform.hpp>

#include <algorithm>

namespace velmara::scene {

void Sphere::setDetail(int slices, int stacks) {
  slices_ = std::max(slices, 3);
  stacks_ = std::max(stacks, 2);
  invalidateShape();
}

std::shared_ptr<const MeshData> Sphere::buildShape(int level) const {
  // Half the detail, then the least that still reads as round.
  const int slices = level == 0 ? slices_ : level == 1 ? std::max(slices_ / 2, 8) : 6;
  const int stacks = level == 0 ? stacks_ : level == 1 ? std::max(stacks_ / 2, 6) : 4;
  return SharedShapes::get("sphere/" + std::to_string(slices) + "/" + std::to_string(stacks),
                           [=] { return shapes::sphere(slices, stacks); });
}

glm::mat4 Sphere::sizeTransform() const { return glm::scale(glm::mat4(1.0f), glm::vec3(radius_)); }

}  // namespace velmara::scene

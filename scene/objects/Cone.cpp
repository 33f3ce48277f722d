#include "scene/objects/Cone.h"

#include "scene/geometry/Shapes.h"
#include "scene/geometry/SharedShapes.h"

#include <glm/gtc/matrix_transform.hpp>

#include <algorithm>

namespace velmara::scene {

void Cone::setSlices(int slices) {
  slices_ = std::max(slices, 3);
  invalidateShape();
}

std::shared_ptr<const MeshData> Cone::buildShape(int level) const {
  const int slices = level == 0 ? slices_ : level == 1 ? std::max(slices_ / 2, 8) : 6;
  return SharedShapes::get("cone/" + std::to_string(slices), [=] { return shapes::cone(slices, 0.0f); });
}

glm::mat4 Cone::sizeTransform() const {
  return glm::scale(glm::mat4(1.0f), glm::vec3(bottomRadius_, height_, bottomRadius_));
}

}  // namespace velmara::scene

#include "scene/objects/Frustum.h"

#include "scene/geometry/Shapes.h"
#include "scene/geometry/SharedShapes.h"

#include <glm/gtc/matrix_transform.hpp>

#include <algorithm>

namespace velmara::scene {

void Frustum::setHeights(float apexHeight, float height) {
  apexHeight_ = std::max(apexHeight, 1e-6f);
  height_ = std::clamp(height, 0.0f, apexHeight_);
  invalidateShape();
}

std::shared_ptr<const MeshData> Frustum::buildShape(int) const {
  const float top = 1.0f - height_ / apexHeight_;
  return SharedShapes::get("frustum/" + std::to_string(top), [=] { return shapes::frustum(top); });
}

glm::mat4 Frustum::sizeTransform() const {
  return glm::scale(glm::mat4(1.0f), glm::vec3(baseWidth_, std::max(height_, 1e-6f), baseDepth_));
}

}  // namespace velmara::scene

#include "scene/objects/ArrowLine.h"

#include "scene/geometry/Shapes.h"
#include "scene/geometry/SharedShapes.h"

namespace velmara::scene {

void ArrowLine::setProportions(const Proportions& proportions) {
  proportions_ = proportions;
  invalidateShape();
}

std::shared_ptr<const MeshData> ArrowLine::buildShape(int) const {
  const Proportions p = proportions_;
  const std::string key = "arrow/" + std::to_string(p.height) + "/" + std::to_string(p.headHeight) + "/" +
                          std::to_string(p.bottomRadius) + "/" + std::to_string(p.topRadius) + "/" +
                          std::to_string(p.headRadius) + "/" + std::to_string(p.slices);
  return SharedShapes::get(key, [=] {
    return shapes::arrow(p.height, p.headHeight, p.bottomRadius, p.topRadius, p.headRadius, p.slices);
  });
}

}  // namespace velmara::scene

#include "scene/objects/Disk.h"

#include "scene/geometry/Shapes.h"
#include "scene/geometry/SharedShapes.h"

#include <glm/gtc/matrix_transform.hpp>

#include <algorithm>

namespace velmara::scene {

Disk::Disk(std::string name) : Solid(std::move(name)) { material().culling = FaceCulling::None; }

void Disk::setRadii(float inner, float outer) {
  innerRadius_ = std::max(inner, 0.0f);
  outerRadius_ = std::max(outer, innerRadius_);
  invalidateShape();  // the ring's proportion is part of the mesh
}

void Disk::setSweep(float startDegrees, float sweepDegrees) {
  start_ = startDegrees;
  sweep_ = sweepDegrees;
  invalidateShape();
}

void Disk::setDetail(int slices, int loops) {
  slices_ = std::max(slices, 3);
  loops_ = std::max(loops, 1);
  invalidateShape();
}

std::shared_ptr<const MeshData> Disk::buildShape(int) const {
  const float inner = outerRadius_ > 0.0f ? innerRadius_ / outerRadius_ : 0.0f;
  const int slices = slices_, loops = loops_;
  const float start = start_, sweep = sweep_;
  const std::string key = "disk/" + std::to_string(inner) + "/" + std::to_string(slices) + "/" + std::to_string(loops) +
                          "/" + std::to_string(start) + "/" + std::to_string(sweep);
  return SharedShapes::get(key, [=] { return shapes::disk(inner, slices, loops, start, sweep); });
}

glm::mat4 Disk::sizeTransform() const { return glm::scale(glm::mat4(1.0f), glm::vec3(outerRadius_, outerRadius_, 1.0f)); }

}  // namespace velmara::scene

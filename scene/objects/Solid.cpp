#include "scene/objects/Solid.h"

#include "scene/pick/PickQuery.h"
#include "scene/render/FrameBuilder.h"

#include <algorithm>
#include <limits>

namespace velmara::scene {

namespace {

// Thickness on the screen (pixels) below which the next coarser level is drawn.
constexpr float kLevelPixels[Solid::kDetailLevels - 1] = {12.0f, 3.0f};

// Distance from a point to a box, 0 inside.
float distanceToBox(const glm::vec3& point, const glm::vec3& minimum, const glm::vec3& maximum) {
  return glm::length(glm::max(glm::max(minimum - point, point - maximum), glm::vec3(0.0f)));
}

}  // namespace

const MeshData& Solid::mesh(int level) const {
  level = detailed() ? std::clamp(level, 0, kDetailLevels - 1) : 0;
  if (!meshes_[level]) meshes_[level] = buildShape(level);
  return *meshes_[level];
}

int Solid::detailLevel(const ViewTransform& view, const glm::mat4& absolute) const {
  if (!detailed()) return 0;
  const glm::mat4 model = absolute * sizeTransform();
  // The nearest point of the object's box in the scene.
  const Bounds& bounds = mesh(0).bounds();
  glm::vec3 low(std::numeric_limits<float>::max()), high(-std::numeric_limits<float>::max());
  for (int corner = 0; corner < 8; ++corner) {
    const glm::vec3 local((corner & 1) ? bounds.maximum.x : bounds.minimum.x, (corner & 2) ? bounds.maximum.y : bounds.minimum.y,
                          (corner & 4) ? bounds.maximum.z : bounds.minimum.z);
    const glm::vec3 scene(model * glm::vec4(local, 1.0f));
    low = glm::min(low, scene);
    high = glm::max(high, scene);
  }
  const float distance = distanceToBox(view.eye(), low, high);
  if (distance <= 0.0f) return 0;
  const float scale = std::max({glm::length(glm::vec3(absolute[0])), glm::length(glm::vec3(absolute[1])),
                                glm::length(glm::vec3(absolute[2]))});
  // Pixels per scene unit at that distance: the projection's vertical scale over half the height.
  const float pixels = thickness() * scale / distance * view.projection()[1][1] *
                       static_cast<float>(view.viewport().height) * 0.5f;
  int level = 0;
  while (level < kDetailLevels - 1 && pixels < kLevelPixels[level]) ++level;
  return level;
}

void Solid::submit(FrameBuilder& frame, const glm::mat4& absolute) const {
  frame.addMesh(mesh(detailLevel(frame.view(), absolute)), absolute * sizeTransform(), effectiveMaterial());
}

std::optional<float> Solid::hitDistance(const PickQuery& query, const glm::mat4& absolute) const {
  const glm::mat4 model = absolute * sizeTransform();
  const glm::mat4 inverse = glm::inverse(model);
  // The ray in the mesh's frame keeps its parameter: the hit's t is the distance in the scene.
  const Ray local{glm::vec3(inverse * glm::vec4(query.ray.origin, 1.0f)),
                  glm::vec3(inverse * glm::vec4(query.ray.direction, 0.0f))};
  return mesh().intersect(local);
}

}  // namespace velmara::scene

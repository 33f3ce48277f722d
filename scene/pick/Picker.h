#pragma once
// Finds the object under a window point: the nearest hit along the view ray among the visible,
// pickable objects (meshes, sprites, solids, pipes, lines within a few pixels, heads-up objects
// in front of all). A filter can leave out more objects, helpers for instance; what it refuses
// is skipped, its children are still asked.

#include "scene/graph/SceneObject.h"
#include "scene/pick/PickQuery.h"

#include <functional>

namespace velmara::scene {

struct PickHit {
  SceneObject* object = nullptr;
  float distance = 0.0f;  // along the ray, scene units
  glm::vec3 point{0.0f};
  explicit operator bool() const { return object != nullptr; }
};

using PickFilter = std::function<bool(const SceneObject&)>;

PickHit pickObject(SceneObject& root, const PickQuery& query, const PickFilter& filter = {});

}  // namespace velmara::scene

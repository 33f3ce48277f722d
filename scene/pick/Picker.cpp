#include "scene/pick/Picker.h"

namespace velmara::scene {
namespace {

void visit(SceneObject& object, const glm::mat4& parent, const PickQuery& query, const PickFilter& filter, PickHit& best) {
  if (!object.visible()) return;
  const glm::mat4 absolute = parent * object.localMatrix();
  if (object.pickable() && (!filter || filter(object))) {
    const auto distance = object.hitDistance(query, absolute);
    if (distance && *distance >= 0.0f && (!best || *distance < best.distance)) {
      best = PickHit{&object, *distance, query.ray.at(*distance)};
    }
  }
  for (const auto& child : object.children()) visit(*child, absolute, query, filter, best);
}

}  // namespace

PickHit pickObject(SceneObject& root, const PickQuery& query, const PickFilter& filter) {
  PickHit best;
  visit(root, glm::mat4(1.0f), query, filter, best);
  return best;
}

}  // namespace velmara::scene

#pragma once
// An invisible object for grouping and anchoring others (a camera target, the boat group):
// it draws nothing and is never picked.

#include "scene/graph/SceneObject.h"

namespace velmara::scene {

class Dummy : public SceneObject {
public:
  explicit Dummy(std::string name = {}) : SceneObject(std::move(name)) { setPickable(false); }
};

}  // namespace velmara::scene

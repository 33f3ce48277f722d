#pragma once
// One mesh per distinct shape, shared by every object of that shape, so that a thousand marks of
// the same kind become one instanced draw. A mesh lives while some object holds it.
// Main thread only.

#include "scene/geometry/MeshData.h"

#include <functional>
#include <memory>
#include <string>

namespace velmara::scene {

class SharedShapes {
public:
  // The mesh for `key`, built by `build` when no living object holds one.
  static std::shared_ptr<const MeshData> get(const std::string& key, const std::function<MeshData()>& build);
};

}  // namespace velmara::scene

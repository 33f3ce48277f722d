#include "scene/geometry/SharedShapes.h"

#include <unordered_map>

namespace velmara::scene {

std::shared_ptr<const MeshData> SharedShapes::get(const std::string& key, const std::function<MeshData()>& build) {
  static std::unordered_map<std::string, std::weak_ptr<const MeshData>> shapes;
  if (auto shared = shapes[key].lock()) return shared;
  auto mesh = std::make_shared<const MeshData>(build());
  shapes[key] = mesh;
  if (shapes.size() > 256) std::erase_if(shapes, [](const auto& entry) { return entry.second.expired(); });
  return mesh;
}

}  // namespace velmara::scene

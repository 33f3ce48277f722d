#pragma once
// A flat area inside a closed list of nodes (in the object's frame), such as a search area on
// the chart; convex or not. Both faces are drawn; give the material an opacity below 1 to see
// through it.

#include "scene/objects/Solid.h"

#include <span>
#include <vector>

namespace velmara::scene {

class Polygon : public Solid {
public:
  explicit Polygon(std::string name = {});

  void addNode(const glm::vec3& position);
  void setNodes(std::vector<glm::vec3> nodes);
  void clearNodes();
  std::span<const glm::vec3> nodes() const { return nodes_; }

protected:
  std::shared_ptr<const MeshData> buildShape(int level) const override;

private:
  std::vector<glm::vec3> nodes_;
};

}  // namespace velmara::scene

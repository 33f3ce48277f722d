#include "scene/objects/Polygon.h"

#include "scene/geometry/PolygonTriangulation.h"

namespace velmara::scene {

Polygon::Polygon(std::string name) : Solid(std::move(name)) { material().culling = FaceCulling::None; }

void Polygon::addNode(const glm::vec3& position) {
  nodes_.push_back(position);
  invalidateShape();
}

void Polygon::setNodes(std::vector<glm::vec3> nodes) {
  nodes_ = std::move(nodes);
  invalidateShape();
}

void Polygon::clearNodes() {
  nodes_.clear();
  invalidateShape();
}

std::shared_ptr<const MeshData> Polygon::buildShape(int) const {
  const glm::vec3 normal = polygonNormal(nodes_);
  std::vector<Vertex> vertices;
  for (const glm::vec3& node : nodes_) vertices.push_back(Vertex{node, normal, glm::vec2(node.x, node.z)});
  return std::make_shared<const MeshData>(std::move(vertices), triangulatePolygon(nodes_));
}

}  // namespace velmara::scene

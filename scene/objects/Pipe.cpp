#include "scene/objects/Pipe.h"

#include "scene/geometry/PipeGeometry.h"

#include <algorithm>

namespace velmara::scene {

void Pipe::addNode(const glm::vec3& position, float radius) {
  nodes_.push_back(Node{position, radius});
  invalidateShape();
}

void Pipe::setNode(std::size_t index, const Node& node) {
  nodes_.at(index) = node;
  invalidateShape();
}

void Pipe::setNodes(std::vector<Node> nodes) {
  nodes_ = std::move(nodes);
  invalidateShape();
}

void Pipe::clearNodes() {
  nodes_.clear();
  invalidateShape();
}

void Pipe::setRadius(float radius) {
  radius_ = radius;
  invalidateShape();
}

void Pipe::setSlices(int slices) {
  slices_ = std::max(slices, 3);
  invalidateShape();
}

float Pipe::thickness() const {
  float thickest = radius_;
  for (const Node& node : nodes_) thickest = std::max(thickest, node.radius);
  return thickest;
}

std::shared_ptr<const MeshData> Pipe::buildShape(int level) const {
  // Coarser levels: fewer sides, and a path that keeps only the nodes its shape needs (within a
  // fraction of the radius, well under a pixel at the thickness they are drawn at).
  const int slices = level == 0 ? slices_ : level == 1 ? std::max(slices_ * 3 / 4, 5) : 3;
  std::vector<PipeNode> nodes;
  nodes.reserve(nodes_.size());
  for (const Node& node : nodes_) nodes.push_back(PipeNode{node.position, node.radius > 0.0f ? node.radius : radius_});
  if (level > 0) nodes = simplifyPipePath(nodes, thickness() * (level == 1 ? 0.1f : 0.5f));
  return std::make_shared<const MeshData>(buildPipeGeometry(nodes, slices, true));
}

}  // namespace velmara::scene

#pragma once
// A tube through a list of nodes (in the object's frame), each with its own radius or the
// pipe's, with smooth joints and closed ends. Fewer than two nodes draw nothing. Thin on the
// screen it is drawn with fewer sides.

#include "scene/objects/Solid.h"

#include <span>
#include <vector>

namespace velmara::scene {

class Pipe : public Solid {
public:
  struct Node {
    glm::vec3 position{0.0f};
    float radius = 0.0f;  // 0: the pipe's radius
  };

  explicit Pipe(std::string name = {}) : Solid(std::move(name)) {}

  void addNode(const glm::vec3& position, float radius = 0.0f);
  void setNode(std::size_t index, const Node& node);
  void setNodes(std::vector<Node> nodes);
  void clearNodes();
  std::span<const Node> nodes() const { return nodes_; }
  std::size_t nodeCount() const { return nodes_.size(); }

  float radius() const { return radius_; }
  void setRadius(float radius);
  int slices() const { return slices_; }
  void setSlices(int slices);

protected:
  std::shared_ptr<const MeshData> buildShape(int level) const override;
  bool detailed() const override { return true; }
  float thickness() const override;

private:
  std::vector<Node> nodes_;
  float radius_ = 0.2f;
  int slices_ = 8;
};

}  // namespace velmara::scene

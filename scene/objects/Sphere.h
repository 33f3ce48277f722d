#pragma once
// A sphere about the object's origin. Far away it is drawn with fewer slices and stacks.

#include "scene/objects/Solid.h"

namespace velmara::scene {

class Sphere : public Solid {
public:
  explicit Sphere(std::string name = {}) : Solid(std::move(name)) {}

  float radius() const { return radius_; }
  void setRadius(float radius) { radius_ = radius; }
  int slices() const { return slices_; }
  int stacks() const { return stacks_; }
  void setDetail(int slices, int stacks);

protected:
  std::shared_ptr<const MeshData> buildShape(int level) const override;
  bool detailed() const override { return true; }
  float thickness() const override { return radius_; }
  glm::mat4 sizeTransform() const override;

private:
  float radius_ = 0.5f;
  int slices_ = 16;
  int stacks_ = 16;
};

}  // namespace velmara::scene

#pragma once
// A box about the object's origin: width along X, height along Y, depth along Z.

#include "scene/objects/Solid.h"

namespace velmara::scene {

class Cube : public Solid {
public:
  explicit Cube(std::string name = {}) : Solid(std::move(name)) {}

  const glm::vec3& size() const { return size_; }
  void setSize(const glm::vec3& size) { size_ = size; }

protected:
  std::shared_ptr<const MeshData> buildShape(int level) const override;
  glm::mat4 sizeTransform() const override;

private:
  glm::vec3 size_{1.0f};
};

}  // namespace velmara::scene

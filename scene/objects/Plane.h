#pragma once
// A flat rectangle in the object's XY plane, facing its direction (+Z); both faces are drawn.
// Texture coordinates run 0 … 1 across it.

#include "scene/objects/Solid.h"

namespace velmara::scene {

class Plane : public Solid {
public:
  explicit Plane(std::string name = {});

  float width() const { return width_; }
  float height() const { return height_; }
  void setSize(float width, float height) {
    width_ = width;
    height_ = height;
  }

protected:
  std::shared_ptr<const MeshData> buildShape(int level) const override;
  glm::mat4 sizeTransform() const override;

private:
  float width_ = 1.0f;
  float height_ = 1.0f;
};

}  // namespace velmara::scene

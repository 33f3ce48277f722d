#pragma once
// A cone standing on the XZ plane about the object's origin: base at −height/2, apex at +height/2.
// Far away it is drawn with fewer slices.

#include "scene/objects/Solid.h"

namespace velmara::scene {

class Cone : public Solid {
public:
  explicit Cone(std::string name = {}) : Solid(std::move(name)) {}

  float bottomRadius() const { return bottomRadius_; }
  void setBottomRadius(float radius) { bottomRadius_ = radius; }
  float height() const { return height_; }
  void setHeight(float height) { height_ = height; }
  int slices() const { return slices_; }
  void setSlices(int slices);

protected:
  std::shared_ptr<const MeshData> buildShape(int level) const override;
  bool detailed() const override { return true; }
  float thickness() const override { return bottomRadius_; }
  glm::mat4 sizeTransform() const override;

private:
  float bottomRadius_ = 0.5f;
  float height_ = 1.0f;
  int slices_ = 16;
};

}  // namespace velmara::scene

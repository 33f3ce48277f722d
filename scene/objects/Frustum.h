#pragma once
// A square pyramid cut off flat: base of baseWidth × baseDepth at −height/2, cut at +height/2
// of a pyramid whose apex would stand apexHeight above the base.

#include "scene/objects/Solid.h"

namespace velmara::scene {

class Frustum : public Solid {
public:
  explicit Frustum(std::string name = {}) : Solid(std::move(name)) {}

  float baseWidth() const { return baseWidth_; }
  float baseDepth() const { return baseDepth_; }
  float apexHeight() const { return apexHeight_; }
  float height() const { return height_; }
  void setBase(float width, float depth) {
    baseWidth_ = width;
    baseDepth_ = depth;
  }
  // height is clamped to apexHeight (a full pyramid).
  void setHeights(float apexHeight, float height);

protected:
  std::shared_ptr<const MeshData> buildShape(int level) const override;
  glm::mat4 sizeTransform() const override;

private:
  float baseWidth_ = 1.0f;
  float baseDepth_ = 1.0f;
  float apexHeight_ = 1.0f;
  float height_ = 0.5f;
};

}  // namespace velmara::scene

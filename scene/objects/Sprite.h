#pragma once
// A textured quad that always faces the camera, centred on the object's position: width × height
// scene units times the object's scale, turned by `rotation` degrees in the screen plane. Its
// material is unlit by default, so the picture shows in the diffuse colour it is tinted with.
// For a picture whose background should vanish, set the texture's imageAlpha to
// TopLeftTransparent: every texel of the top-left texel's colour is then left out.

#include "scene/objects/MaterialObject.h"

namespace velmara::scene {

class Sprite : public MaterialObject {
public:
  explicit Sprite(std::string name = {});

  float width() const { return width_; }
  float height() const { return height_; }
  void setSize(float width, float height) {
    width_ = width;
    height_ = height;
  }
  float rotation() const { return rotation_; }
  void setRotation(float degrees) { rotation_ = degrees; }

  void submit(FrameBuilder& frame, const glm::mat4& absolute) const override;
  std::optional<float> hitDistance(const PickQuery& query, const glm::mat4& absolute) const override;

private:
  glm::vec2 sizeIn(const glm::mat4& absolute) const;

  float width_ = 1.0f;
  float height_ = 1.0f;
  float rotation_ = 0.0f;
};

}  // namespace velmara::scene

#pragma once
// A light for lit materials: an omni light at the object's position, or a parallel light shining
// along the object's direction. Up to eight lights count at once.

#include "scene/graph/SceneObject.h"
#include "scene/material/Colour.h"

namespace velmara::scene {

class LightSource : public SceneObject {
public:
  static constexpr int kMaxLights = 8;

  explicit LightSource(std::string name = {});

  Colour ambient{0.0f, 0.0f, 0.0f, 1.0f};
  Colour diffuse{1.0f, 1.0f, 1.0f, 1.0f};
  Colour specular{1.0f, 1.0f, 1.0f, 1.0f};
  bool parallel = false;
  bool shining = true;

  void submit(FrameBuilder& frame, const glm::mat4& absolute) const override;
};

}  // namespace velmara::scene

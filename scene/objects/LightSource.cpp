#include "scene/objects/LightSource.h"

#include "scene/render/FrameBuilder.h"

namespace velmara::scene {

LightSource::LightSource(std::string name) : SceneObject(std::move(name)) { setPickable(false); }

void LightSource::submit(FrameBuilder& frame, const glm::mat4& absolute) const {
  if (!shining) return;
  LightData light;
  // GL's convention: w = 0 is the direction towards a light infinitely far away.
  light.position = parallel ? glm::vec4(-glm::normalize(glm::vec3(absolute[2])), 0.0f) : absolute[3];
  light.ambient = ambient;
  light.diffuse = diffuse;
  light.specular = specular;
  frame.addLight(light);
}

}  // namespace velmara::scene

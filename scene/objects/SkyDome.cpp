#include "scene/objects/SkyDome.h"

#include "scene/render/FrameBuilder.h"

namespace velmara::scene {

SkyDome::SkyDome(std::string name) : SceneObject(std::move(name)) { setPickable(false); }

void SkyDome::submit(FrameBuilder& frame, const glm::mat4&) const { frame.addSkyBands(bands_); }

}  // namespace velmara::scene

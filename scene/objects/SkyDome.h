#pragma once
// A sky of colour bands around the camera, drawn behind everything: each band covers a range of
// elevations (degrees above the horizon) and runs from its start colour to its stop colour.
// Elevations outside every band show the viewer's background. Its position does not matter.

#include "scene/graph/SceneObject.h"
#include "scene/objects/SkyBand.h"

#include <vector>

namespace velmara::scene {

class SkyDome : public SceneObject {
public:
  static constexpr std::size_t kMaxBands = 8;

  explicit SkyDome(std::string name = {});

  // Bands beyond kMaxBands are not drawn.
  std::vector<SkyBand>& bands() { return bands_; }
  const std::vector<SkyBand>& bands() const { return bands_; }

  void submit(FrameBuilder& frame, const glm::mat4& absolute) const override;

private:
  std::vector<SkyBand> bands_;
};

}  // namespace velmara::scene

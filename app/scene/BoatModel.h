#pragma once
// The skipper's boat in the scene: the model file with its colour file (".col") and placement
// file (".bcfg"), or the built-in placement by file name; and its scale.

#include "app/scene/MainScene.h"

#include <glm/glm.hpp>

#include <filesystem>
#include <string>

namespace velmara {

struct TBoatModelState {
  std::filesystem::path CurrentBoatModel;
  glm::vec3 ModelScale{0.3f};
  glm::vec3 BoatBaseScale{0.3f};
  bool Configured = false;
};

struct TBoatLoadResult {
  bool loaded = false;  // a model file was found and read
  std::string error;    // what went wrong (the mesh may still be loaded), empty when nothing did
};

// Loads `path`, else `fallback`, else leaves the scene as it is.
TBoatLoadResult LoadBoatModel(TMainScene& scene, TBoatModelState& state, const std::filesystem::path& path,
                              const std::filesystem::path& fallback);

// The boat mesh's scale: b × BoatBaseScale, after mode 0 (× 1.5), 1 (÷ 1.5) or 2 (back to the
// model's scale); any other mode only reapplies b.
void ApplyBoatScale(TMainScene& scene, TBoatModelState& state, int mode, float b);

}  // namespace velmara

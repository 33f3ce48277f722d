#pragma once
// The per-frame values every material program reads: camera and lights.

#include "scene/camera/ViewTransform.h"
#include "scene/material/Colour.h"
#include "scene/render/FrameData.h"

#include <cstdint>
#include <span>

namespace velmara::scene {

struct FrameUniforms {
  std::uint64_t frame = 0;
  ViewTransform view;
  Colour sceneAmbient{0.2f, 0.2f, 0.2f, 1.0f};
  std::span<const LightData> lights;
};

}  // namespace velmara::scene

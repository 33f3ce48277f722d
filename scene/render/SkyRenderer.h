#pragma once
// Draws sky-dome bands behind the scene: one full-screen pass that colours each pixel by the
// elevation of its view ray.

#include "scene/gl/ShaderProgram.h"
#include "scene/gl/VertexArray.h"
#include "scene/objects/SkyBand.h"
#include "scene/render/FrameStats.h"
#include "scene/render/FrameUniforms.h"

#include <optional>
#include <span>
#include <string>

namespace velmara::scene {

class SkyRenderer {
public:
  explicit SkyRenderer(gl::GlState& state);

  void draw(std::span<const SkyBand> bands, const FrameUniforms& frame, FrameStats& stats);
  const std::string& error() const { return error_; }

private:
  gl::GlState& state_;
  std::optional<gl::ShaderProgram> program_;
  std::string error_;
  gl::VertexArray empty_;  // a core profile draws only with some vertex array bound
};

}  // namespace velmara::scene

#pragma once
// Draws the heads-up canvas over the scene: textured, tinted quads in window pixels, blended,
// one draw call per run of quads that share a picture.

#include "scene/gl/Buffer.h"
#include "scene/gl/ShaderProgram.h"
#include "scene/gl/VertexArray.h"
#include "scene/hud/HudCanvas.h"
#include "scene/render/FrameStats.h"
#include "scene/render/GpuResources.h"

#include <optional>
#include <string>
#include <vector>

namespace velmara::scene {

class HudRenderer {
public:
  HudRenderer(gl::GlState& state, GpuResources& resources);

  void draw(const HudCanvas& canvas, FrameStats& stats);
  const std::string& error() const { return error_; }

private:
  struct HudVertex {
    glm::vec2 position;
    glm::vec2 texcoord;
    glm::vec4 colour;
  };

  gl::GlState& state_;
  GpuResources& resources_;
  std::optional<gl::ShaderProgram> program_;
  std::string error_;
  gl::Buffer vertices_;
  gl::VertexArray vertexArray_;
  std::vector<HudVertex> scratch_;
};

}  // namespace velmara::scene

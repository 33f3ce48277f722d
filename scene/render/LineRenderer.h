#pragma once
// Draws line segments as screen-space quads, since a core profile has no wide or stippled lines:
// each segment becomes a quad of its pixel width whose fragments test the stipple pattern by
// their distance along the line and fade their edges when antialiased. The segments go into a
// buffer texture and one plain (not instanced) draw expands each into its six vertices, which
// software rasterisers process far faster than thousands of tiny instances.

#include "scene/gl/Buffer.h"
#include "scene/gl/BufferTexture.h"
#include "scene/gl/ShaderProgram.h"
#include "scene/gl/VertexArray.h"
#include "scene/render/FrameData.h"
#include "scene/render/FrameStats.h"
#include "scene/render/FrameUniforms.h"

#include <optional>
#include <span>
#include <string>

namespace velmara::scene {

class LineRenderer {
public:
  explicit LineRenderer(gl::GlState& state);

  void draw(std::span<const LineSegment> segments, const FrameUniforms& frame, bool batching, FrameStats& stats);
  const std::string& error() const { return error_; }

private:
  // The unit the segment texture is bound to, apart from the material units.
  static constexpr int kSegmentUnit = gl::GlState::kUploadUnit - 1;

  gl::GlState& state_;
  std::optional<gl::ShaderProgram> program_;
  std::string error_;
  gl::Buffer segments_;
  std::optional<gl::BufferTexture> texture_;
  gl::VertexArray empty_;  // a core profile draws only with some vertex array bound
  std::size_t chunk_ = 0;  // segments a buffer texture can hold
};

}  // namespace velmara::scene

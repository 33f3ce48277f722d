#include "scene/render/LineRenderer.h"

#include <algorithm>

namespace velmara::scene {
namespace {

constexpr int kTexelsPerSegment = sizeof(LineSegment) / 16;
static_assert(sizeof(LineSegment) % 16 == 0, "a segment is whole RGBA float texels");

const char* kVertex = R"(#version 330 core
uniform samplerBuffer u_segments;
uniform mat4 u_viewProjection;
uniform vec2 u_viewport;
// Few varyings: each costs a software rasteriser set-up data for every triangle.
noperspective out vec2 v_line;  // pixels along from a, across from the centre
noperspective out vec4 v_colour;
flat out vec4 v_shape;  // half width, length, stipple phase, pixels per pattern bit
flat out vec3 v_style;  // pattern, antialias, dot

// Two triangles; x: 0 at a, 1 at b; y: side, -1 or +1.
const vec2 kCorners[6] = vec2[6](vec2(0, -1), vec2(1, -1), vec2(1, 1), vec2(0, -1), vec2(1, 1), vec2(0, 1));

void main() {
  int segment = gl_VertexID / 6;
  vec2 corner = kCorners[gl_VertexID % 6];
  vec4 i_a = texelFetch(u_segments, segment * 5);       // xyz, stipple phase
  vec4 i_b = texelFetch(u_segments, segment * 5 + 1);   // xyz, width
  vec4 i_colourA = texelFetch(u_segments, segment * 5 + 2);
  vec4 i_colourB = texelFetch(u_segments, segment * 5 + 3);
  vec4 i_style = texelFetch(u_segments, segment * 5 + 4);  // pattern, factor, antialias, dot

  vec4 a = u_viewProjection * vec4(i_a.xyz, 1.0);
  vec4 b = u_viewProjection * vec4(i_b.xyz, 1.0);
  // Cut the segment at the near plane, where w would reach zero.
  float da = a.z + a.w;
  float db = b.z + b.w;
  if (da < 0.0 && db < 0.0) {
    gl_Position = vec4(0.0, 0.0, -2.0, 1.0);
    return;
  }
  if (da < 0.0) a = mix(a, b, da / (da - db));
  if (db < 0.0) b = mix(b, a, db / (db - da));
  vec2 sa = (a.xy / a.w * 0.5 + 0.5) * u_viewport;
  vec2 sb = (b.xy / b.w * 0.5 + 0.5) * u_viewport;
  bool dot = i_style.w > 0.5;
  float len = dot ? 0.0 : length(sb - sa);
  vec2 along = len > 1e-4 ? (sb - sa) / len : vec2(1.0, 0.0);
  vec2 across = vec2(-along.y, along.x);
  float halfWidth = max(i_b.w * 0.5, 0.5);
  // Half a pixel of room: coverage of a soft edge ends half a pixel beyond the width, and a hard
  // edge's pixel centres on the border are rasterised.
  float pad = 0.5;
  float reach = dot ? halfWidth + pad : pad;
  bool atB = corner.x > 0.5;
  float distance = atB ? len + reach : -reach;
  vec4 anchor = (atB && !dot) ? b : a;
  vec2 offset = along * (distance - (atB && !dot ? len : 0.0)) + across * corner.y * (halfWidth + pad);
  gl_Position = anchor + vec4(offset / u_viewport * 2.0 * anchor.w, 0.0, 0.0);
  // Node markers sit just in front of the line through them.
  if (dot) gl_Position.z -= 1e-4 * gl_Position.w;
  v_line = vec2(distance, corner.y * (halfWidth + pad));
  v_colour = atB ? i_colourB : i_colourA;
  v_shape = vec4(halfWidth, len, i_a.w, i_style.y);
  v_style = vec3(i_style.x, i_style.zw);
}
)";

const char* kFragment = R"(#version 330 core
noperspective in vec2 v_line;
noperspective in vec4 v_colour;
flat in vec4 v_shape;  // half width, length, stipple phase, pixels per pattern bit
flat in vec3 v_style;  // pattern, antialias, dot
out vec4 fragColour;

// Uncovered fragments (stipple gaps, beyond the edges) are left out, so that they write no depth
// that would hide translucent surfaces drawn later.
void main() {
  float halfWidth = v_shape.x;
  float segmentLength = v_shape.y;
  uint pattern = uint(v_style.x);
  bool soft = v_style.y > 0.5;
  bool dot = v_style.z > 0.5;
  float across = v_line.y;
  // Outside the segment's ends: for a node marker, outside its square.
  float beyond = dot ? abs(v_line.x) - halfWidth : max(-v_line.x, v_line.x - segmentLength);
  float coverage;
  if (soft) {
    coverage = clamp(halfWidth + 0.5 - abs(across), 0.0, 1.0) * clamp(0.5 - beyond, 0.0, 1.0);
  } else {
    bool inside = across >= -halfWidth && across < halfWidth &&
                  (dot ? v_line.x >= -halfWidth && v_line.x < halfWidth : beyond <= 0.0);
    coverage = inside ? 1.0 : 0.0;
  }
  if (!dot && pattern != 0xFFFFu) {
    int bit = int(floor((v_line.x + v_shape.z) / v_shape.w));
    bit = ((bit % 16) + 16) % 16;
    if (((pattern >> uint(bit)) & 1u) == 0u) coverage = 0.0;
  }
  if (coverage <= 0.0) discard;
  fragColour = vec4(v_colour.rgb, v_colour.a * coverage);
}
)";

}  // namespace

LineRenderer::LineRenderer(gl::GlState& state) : state_(state) {
  auto program = gl::ShaderProgram::build(kVertex, kFragment, "the line renderer");
  if (program) {
    program_.emplace(std::move(program).value());
  } else {
    error_ = program.error();
  }
  const LineSegment none{};
  segments_.setData(&none, sizeof(none), gl::Buffer::Usage::Stream);
  texture_.emplace(state_, segments_, GL_RGBA32F);
  GLint texels = 0;
  glGetIntegerv(GL_MAX_TEXTURE_BUFFER_SIZE, &texels);
  chunk_ = std::max<std::size_t>(static_cast<std::size_t>(texels) / kTexelsPerSegment, 1);
}

void LineRenderer::draw(std::span<const LineSegment> segments, const FrameUniforms& frame, bool batching,
                        FrameStats& stats) {
  if (segments.empty() || !program_) return;
  program_->use(state_);
  program_->set("u_viewProjection", frame.view.viewProjection());
  program_->set("u_viewport", glm::vec2(static_cast<float>(frame.view.viewport().width),
                                        static_cast<float>(frame.view.viewport().height)));
  program_->set("u_segments", kSegmentUnit);
  state_.setBlend({true, GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA});
  // Lines write depth, so that translucent surfaces drawn after them stay behind where they are.
  state_.setDepthTest(true);
  state_.setDepthWrite(true);
  state_.setCullFace(GL_NONE);
  state_.setPolygonMode(GL_FILL);
  texture_->bind(state_, kSegmentUnit);
  empty_.bind(state_);
  // More segments than one buffer texture may address go in several rounds.
  for (std::size_t first = 0; first < segments.size(); first += chunk_) {
    const std::span<const LineSegment> part = segments.subspan(first, std::min(chunk_, segments.size() - first));
    segments_.setData(part, gl::Buffer::Usage::Stream);
    if (batching) {
      glDrawArrays(GL_TRIANGLES, 0, static_cast<GLsizei>(part.size() * 6));
      ++stats.drawCalls;
    } else {
      // One call per segment: the yardstick for the batched draw.
      for (std::size_t i = 0; i < part.size(); ++i) {
        glDrawArrays(GL_TRIANGLES, static_cast<GLint>(i * 6), 6);
        ++stats.drawCalls;
      }
    }
  }
  stats.lineSegments += static_cast<int>(segments.size());
}

}  // namespace velmara::scene

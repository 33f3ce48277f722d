#include "scene/render/SkyRenderer.h"

#include "scene/objects/SkyDome.h"

#include <algorithm>
#include <vector>

namespace velmara::scene {
namespace {

const char* kVertex = R"(#version 330 core
out vec2 v_ndc;
void main() {
  // One triangle covering the screen.
  vec2 corner = vec2(float((gl_VertexID << 1) & 2), float(gl_VertexID & 2));
  v_ndc = corner * 2.0 - 1.0;
  gl_Position = vec4(v_ndc, 0.0, 1.0);
}
)";

const char* kFragment = R"(#version 330 core
in vec2 v_ndc;
uniform mat4 u_inverseViewProjection;
uniform int u_bandCount;
uniform vec4 u_bandAngles[8];
uniform vec4 u_bandStart[8];
uniform vec4 u_bandStop[8];
out vec4 fragColour;
void main() {
  vec4 near = u_inverseViewProjection * vec4(v_ndc, -1.0, 1.0);
  vec4 far = u_inverseViewProjection * vec4(v_ndc, 1.0, 1.0);
  vec3 ray = normalize(far.xyz / far.w - near.xyz / near.w);
  float elevation = degrees(asin(clamp(ray.y, -1.0, 1.0)));
  for (int i = 0; i < u_bandCount; ++i) {
    float start = u_bandAngles[i].x;
    float stop = u_bandAngles[i].y;
    if (elevation >= min(start, stop) && elevation <= max(start, stop)) {
      float f = stop != start ? (elevation - start) / (stop - start) : 0.0;
      fragColour = mix(u_bandStart[i], u_bandStop[i], f);
      return;
    }
  }
  discard;
}
)";

}  // namespace

SkyRenderer::SkyRenderer(gl::GlState& state) : state_(state) {
  auto program = gl::ShaderProgram::build(kVertex, kFragment, "the sky renderer");
  if (program) {
    program_.emplace(std::move(program).value());
  } else {
    error_ = program.error();
  }
}

void SkyRenderer::draw(std::span<const SkyBand> bands, const FrameUniforms& frame, FrameStats& stats) {
  if (bands.empty() || !program_) return;
  const std::size_t count = std::min(bands.size(), SkyDome::kMaxBands);
  std::vector<glm::vec4> angles, starts, stops;
  for (std::size_t i = 0; i < count; ++i) {
    angles.emplace_back(bands[i].startAngle, bands[i].stopAngle, 0.0f, 0.0f);
    starts.push_back(bands[i].startColour);
    stops.push_back(bands[i].stopColour);
  }
  program_->use(state_);
  program_->set("u_inverseViewProjection", glm::inverse(frame.view.viewProjection()));
  program_->set("u_bandCount", static_cast<int>(count));
  program_->set("u_bandAngles", std::span<const glm::vec4>(angles));
  program_->set("u_bandStart", std::span<const glm::vec4>(starts));
  program_->set("u_bandStop", std::span<const glm::vec4>(stops));
  state_.setBlend({true, GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA});
  state_.setDepthTest(false);
  state_.setDepthWrite(false);
  state_.setCullFace(GL_NONE);
  state_.setPolygonMode(GL_FILL);
  empty_.bind(state_);
  glDrawArrays(GL_TRIANGLES, 0, 3);
  ++stats.drawCalls;
}

}  // namespace velmara::scene

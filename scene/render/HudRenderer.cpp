#include "scene/render/HudRenderer.h"

#include <cstddef>

namespace velmara::scene {
namespace {

const char* kVertex = R"(#version 330 core
layout(location = 0) in vec2 a_position;  // pixels from the top-left corner
layout(location = 1) in vec2 a_texcoord;  // v down the picture
layout(location = 2) in vec4 a_colour;
uniform vec2 u_viewport;
out vec2 v_texcoord;
out vec4 v_colour;
void main() {
  gl_Position = vec4(a_position.x / u_viewport.x * 2.0 - 1.0, 1.0 - a_position.y / u_viewport.y * 2.0, 0.0, 1.0);
  // Textures hold the picture's top row at t = 1.
  v_texcoord = vec2(a_texcoord.x, 1.0 - a_texcoord.y);
  v_colour = a_colour;
}
)";

const char* kFragment = R"(#version 330 core
in vec2 v_texcoord;
in vec4 v_colour;
uniform sampler2D u_texture;
out vec4 fragColour;
void main() { fragColour = texture(u_texture, v_texcoord) * v_colour; }
)";

}  // namespace

HudRenderer::HudRenderer(gl::GlState& state, GpuResources& resources) : state_(state), resources_(resources) {
  auto program = gl::ShaderProgram::build(kVertex, kFragment, "the heads-up renderer");
  if (program) {
    program_.emplace(std::move(program).value());
  } else {
    error_ = program.error();
  }
  const HudVertex none{};
  vertices_.setData(&none, sizeof(none), gl::Buffer::Usage::Stream);
  const auto stride = static_cast<GLsizei>(sizeof(HudVertex));
  vertexArray_.setAttribute(state_, 0, vertices_, {2, GL_FLOAT, stride, offsetof(HudVertex, position)});
  vertexArray_.setAttribute(state_, 1, vertices_, {2, GL_FLOAT, stride, offsetof(HudVertex, texcoord)});
  vertexArray_.setAttribute(state_, 2, vertices_, {4, GL_FLOAT, stride, offsetof(HudVertex, colour)});
}

void HudRenderer::draw(const HudCanvas& canvas, FrameStats& stats) {
  const auto& quads = canvas.quads();
  if (quads.empty() || !program_) return;
  scratch_.clear();
  for (const HudQuad& quad : quads) {
    const glm::vec4& s = quad.screen;
    const glm::vec4& t = quad.atlas;
    const HudVertex corners[4] = {{{s.x, s.y}, {t.x, t.y}, quad.colour},
                                  {{s.z, s.y}, {t.z, t.y}, quad.colour},
                                  {{s.z, s.w}, {t.z, t.w}, quad.colour},
                                  {{s.x, s.w}, {t.x, t.w}, quad.colour}};
    scratch_.insert(scratch_.end(), {corners[0], corners[1], corners[2], corners[0], corners[2], corners[3]});
  }
  vertices_.setData(std::span<const HudVertex>(scratch_), gl::Buffer::Usage::Stream);
  program_->use(state_);
  program_->set("u_viewport", glm::vec2(static_cast<float>(canvas.width()), static_cast<float>(canvas.height())));
  program_->set("u_texture", 0);
  state_.setBlend({true, GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA});
  state_.setDepthTest(false);
  state_.setDepthWrite(false);
  state_.setCullFace(GL_NONE);
  state_.setPolygonMode(GL_FILL);
  state_.bindSampler(0, resources_.sampler(TextureFilter::Linear, TextureFilter::Linear, TextureWrap::Clamp).id());
  vertexArray_.bind(state_);
  std::size_t run = 0;
  while (run < quads.size()) {
    std::size_t end = run + 1;
    while (end < quads.size() && quads[end].image == quads[run].image) ++end;
    const gl::Texture& texture =
        quads[run].image ? resources_.texture(*quads[run].image, ImageAlpha::Default) : resources_.white();
    state_.bindTexture(0, GL_TEXTURE_2D, texture.id());
    glDrawArrays(GL_TRIANGLES, static_cast<GLint>(run * 6), static_cast<GLsizei>((end - run) * 6));
    ++stats.drawCalls;
    run = end;
  }
  stats.hudQuads += static_cast<int>(quads.size());
}

}  // namespace velmara::scene

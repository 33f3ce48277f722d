#include "scene/gl/GlState.h"

namespace velmara::scene::gl {

void GlState::invalidate() { *this = GlState(); }

void GlState::useProgram(GLuint program) {
  if (program_ == program) return;
  glUseProgram(program);
  program_ = program;
}

void GlState::bindVertexArray(GLuint vertexArray) {
  if (vertexArray_ == vertexArray) return;
  glBindVertexArray(vertexArray);
  vertexArray_ = vertexArray;
}

void GlState::activeTexture(int unit) {
  if (activeUnit_ == unit) return;
  glActiveTexture(GL_TEXTURE0 + static_cast<GLenum>(unit));
  activeUnit_ = unit;
}

void GlState::bindTexture(int unit, GLenum target, GLuint texture) {
  // The cache remembers one texture per unit whatever its target; the scene layer binds 2D only.
  if (textures_[unit] == texture) return;
  activeTexture(unit);
  glBindTexture(target, texture);
  textures_[unit] = texture;
}

void GlState::bindSampler(int unit, GLuint sampler) {
  if (samplers_[unit] == sampler) return;
  glBindSampler(static_cast<GLuint>(unit), sampler);
  samplers_[unit] = sampler;
}

void GlState::bindFramebuffer(GLuint framebuffer) {
  if (framebuffer_ == framebuffer) return;
  glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
  framebuffer_ = framebuffer;
}

void GlState::setViewport(int x, int y, int width, int height) {
  const std::array<int, 4> viewport{x, y, width, height};
  if (viewport_ == viewport) return;
  glViewport(x, y, width, height);
  viewport_ = viewport;
}

void GlState::setBlend(const BlendState& blend) {
  if (blend_ == blend) return;
  if (!blend_ || blend_->enabled != blend.enabled) {
    if (blend.enabled) {
      glEnable(GL_BLEND);
    } else {
      glDisable(GL_BLEND);
    }
  }
  if (blend.enabled) glBlendFuncSeparate(blend.source, blend.destination, blend.sourceAlpha, blend.destinationAlpha);
  blend_ = blend;
}

void GlState::setDepthTest(bool enabled) {
  if (depthTest_ == enabled) return;
  if (enabled) {
    glEnable(GL_DEPTH_TEST);
  } else {
    glDisable(GL_DEPTH_TEST);
  }
  depthTest_ = enabled;
}

void GlState::setDepthWrite(bool enabled) {
  if (depthWrite_ == enabled) return;
  glDepthMask(enabled ? GL_TRUE : GL_FALSE);
  depthWrite_ = enabled;
}

void GlState::setCullFace(GLenum face) {
  if (cullFace_ == face) return;
  if (face == GL_NONE) {
    glDisable(GL_CULL_FACE);
  } else {
    if (!cullFace_ || *cullFace_ == GL_NONE) glEnable(GL_CULL_FACE);
    glCullFace(face);
  }
  cullFace_ = face;
}

void GlState::setPolygonMode(GLenum mode) {
  if (polygonMode_ == mode) return;
  glPolygonMode(GL_FRONT_AND_BACK, mode);
  polygonMode_ = mode;
}

}  // namespace velmara::scene::gl

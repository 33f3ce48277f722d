#include "scene/gl/Framebuffer.h"

namespace velmara::scene::gl {

void Framebuffer::attach(GlState& state, GLenum attachment, const Renderbuffer& renderbuffer) {
  state.bindFramebuffer(id());
  glFramebufferRenderbuffer(GL_FRAMEBUFFER, attachment, GL_RENDERBUFFER, renderbuffer.id());
}

void Framebuffer::attach(GlState& state, GLenum attachment, const Texture& texture) {
  state.bindFramebuffer(id());
  glFramebufferTexture2D(GL_FRAMEBUFFER, attachment, GL_TEXTURE_2D, texture.id(), 0);
}

bool Framebuffer::complete(GlState& state) const {
  state.bindFramebuffer(id());
  return glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
}

}  // namespace velmara::scene::gl

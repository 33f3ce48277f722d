#pragma once
// A GL framebuffer object with renderbuffer or texture attachments.

#include "scene/gl/GlName.h"
#include "scene/gl/GlState.h"
#include "scene/gl/Renderbuffer.h"
#include "scene/gl/Texture.h"

namespace velmara::scene::gl {

struct FramebufferTraits {
  static GLuint create() {
    GLuint id = 0;
    glGenFramebuffers(1, &id);
    return id;
  }
  static void destroy(GLuint id) { glDeleteFramebuffers(1, &id); }
};

class Framebuffer {
public:
  Framebuffer() : name_(GlName<FramebufferTraits>::create()) {}

  GLuint id() const { return name_.id(); }
  // attachment: GL_COLOR_ATTACHMENT0, GL_DEPTH_STENCIL_ATTACHMENT, ...
  void attach(GlState& state, GLenum attachment, const Renderbuffer& renderbuffer);
  void attach(GlState& state, GLenum attachment, const Texture& texture);
  bool complete(GlState& state) const;
  GLuint release() { return name_.release(); }

private:
  GlName<FramebufferTraits> name_;
};

}  // namespace velmara::scene::gl

#pragma once
// A GL renderbuffer: colour or depth storage for a framebuffer that is never sampled.

#include "scene/gl/GlName.h"

namespace velmara::scene::gl {

struct RenderbufferTraits {
  static GLuint create() {
    GLuint id = 0;
    glGenRenderbuffers(1, &id);
    return id;
  }
  static void destroy(GLuint id) { glDeleteRenderbuffers(1, &id); }
};

class Renderbuffer {
public:
  Renderbuffer() : name_(GlName<RenderbufferTraits>::create()) {}

  GLuint id() const { return name_.id(); }
  // format: GL_RGBA8, GL_DEPTH24_STENCIL8, ...
  void setStorage(GLenum format, int width, int height);
  GLuint release() { return name_.release(); }

private:
  GlName<RenderbufferTraits> name_;
};

}  // namespace velmara::scene::gl

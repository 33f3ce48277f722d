#include "scene/gl/Renderbuffer.h"

namespace velmara::scene::gl {

void Renderbuffer::setStorage(GLenum format, int width, int height) {
  glBindRenderbuffer(GL_RENDERBUFFER, id());
  glRenderbufferStorage(GL_RENDERBUFFER, format, width, height);
  glBindRenderbuffer(GL_RENDERBUFFER, 0);
}

}  // namespace velmara::scene::gl

#include "scene/render/RenderTarget.h"

#include <epoxy/gl.h>

namespace velmara::scene {

RenderTarget RenderTarget::current(int width, int height) {
  GLint bound = 0;
  glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &bound);
  return RenderTarget{static_cast<unsigned>(bound), width, height};
}

}  // namespace velmara::scene

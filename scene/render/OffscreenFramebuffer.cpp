#include "scene/render/OffscreenFramebuffer.h"

namespace velmara::scene {

OffscreenFramebuffer::OffscreenFramebuffer(int width, int height) : width_(width), height_(height) {
  colour_.setStorage(GL_RGBA8, width, height);
  depth_.setStorage(GL_DEPTH24_STENCIL8, width, height);
  // A private state cache: the viewer's own is told to forget everything at its next frame.
  gl::GlState state;
  framebuffer_.attach(state, GL_COLOR_ATTACHMENT0, colour_);
  framebuffer_.attach(state, GL_DEPTH_STENCIL_ATTACHMENT, depth_);
  complete_ = framebuffer_.complete(state);
}

}  // namespace velmara::scene

#pragma once
// A framebuffer of its own for rendering without a window (the splash window's probe view, tools,
// benchmarks): RGBA8 colour and 24-bit depth with stencil. Needs a current GL context for its
// whole life.

#include "scene/gl/Framebuffer.h"
#include "scene/gl/Renderbuffer.h"
#include "scene/render/RenderTarget.h"

namespace velmara::scene {

class OffscreenFramebuffer {
public:
  OffscreenFramebuffer(int width, int height);

  bool complete() const { return complete_; }
  RenderTarget target() const { return RenderTarget{framebuffer_.id(), width_, height_}; }

private:
  int width_;
  int height_;
  gl::Renderbuffer colour_;
  gl::Renderbuffer depth_;
  gl::Framebuffer framebuffer_;
  bool complete_ = false;
};

}  // namespace velmara::scene

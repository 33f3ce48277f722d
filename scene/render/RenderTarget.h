#pragma once
// Where a viewer draws: a framebuffer object of the host's (0 for the window's default one, the
// Qt widget's defaultFramebufferObject(), or an offscreen one) and its size in pixels.

namespace velmara::scene {

struct RenderTarget {
  unsigned framebuffer = 0;
  int width = 0;
  int height = 0;

  // The framebuffer bound for drawing right now, at the given size. Needs a current context.
  static RenderTarget current(int width, int height);
};

}  // namespace velmara::scene

#pragma once
// Choices of how a viewer renders.

#include "scene/material/Colour.h"

namespace velmara::scene {

struct RenderOptions {
  Colour background{0.0f, 0.0f, 0.0f, 1.0f};
  // Clear colour and depth before drawing (off when the host has drawn something underneath).
  bool clear = true;
  // Draw repeated meshes as instanced batches and all lines in one call. Off draws each object
  // by itself: the plain way, kept as the yardstick for the batched one.
  bool batching = true;
};

}  // namespace velmara::scene

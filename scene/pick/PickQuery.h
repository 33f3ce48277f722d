#pragma once
// A question to the objects of a scene: what does the ray through this window point hit?

#include "scene/camera/Ray.h"
#include "scene/camera/ViewTransform.h"

#include <glm/glm.hpp>

namespace velmara::scene {

struct PickQuery {
  ViewTransform view;
  glm::vec2 window{0.0f};  // pixels, origin bottom-left
  Ray ray;                 // from the eye through `window`
  // How near (pixels) to a line's drawn width a point still picks the line.
  float lineTolerance = 3.0f;

  static PickQuery at(const ViewTransform& view, const glm::vec2& window) {
    return PickQuery{view, window, view.ray(window)};
  }
};

}  // namespace velmara::scene

#pragma once
// An object drawn over the 3D view in window pixels. Its position's x and y place it, measured
// from the top-left corner of the view; the parent's placement does not move it, but hiding the
// parent hides it. Kinds paint into the frame's heads-up canvas; the information menu of the main
// view is one such kind.

#include "scene/graph/SceneObject.h"
#include "scene/hud/HudCanvas.h"

namespace velmara::scene {

class HudObject : public SceneObject {
public:
  using SceneObject::SceneObject;

  // The top-left corner in pixels (the position's x and y).
  glm::vec2 screenPosition() const { return {position().x, position().y}; }
  void setScreenPosition(const glm::vec2& topLeft) { setPosition({topLeft, position().z}); }

  void submit(FrameBuilder& frame, const glm::mat4& absolute) const final;
  // Picked (at distance 0, in front of the scene) where the point falls in screenRect().
  std::optional<float> hitDistance(const PickQuery& query, const glm::mat4& absolute) const override;

protected:
  virtual void paint(HudCanvas& canvas) const = 0;
  // x0 y0 x1 y1 in pixels from the top-left; empty by default (not pickable).
  virtual glm::vec4 screenRect() const { return glm::vec4(0.0f); }
};

}  // namespace velmara::scene

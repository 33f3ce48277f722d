#pragma once
// A scene: the root of the object graph and the scene-wide lighting. The host (the main window)
// owns it; viewers draw it through one of its cameras.

#include "scene/graph/SceneObject.h"
#include "scene/material/Colour.h"

#include <string_view>

namespace velmara::scene {

class Scene {
public:
  Scene();

  SceneObject& root() { return root_; }
  const SceneObject& root() const { return root_; }
  // The first object of this name anywhere in the scene, or nullptr.
  SceneObject* find(std::string_view name) const { return root_.findChild(name, true); }

  // Light that reaches every lit surface whatever the light sources (GL's global ambient).
  const Colour& ambientLight() const { return ambientLight_; }
  void setAmbientLight(const Colour& colour) { ambientLight_ = colour; }

private:
  SceneObject root_;
  Colour ambientLight_{0.2f, 0.2f, 0.2f, 1.0f};
};

}  // namespace velmara::scene

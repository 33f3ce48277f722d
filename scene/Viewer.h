#pragma once
// Renders a scene through its current camera into whatever framebuffer the host gives (the Qt
// widget's, or an offscreen one), and answers the questions a view is asked: frames per second,
// screen ↔ scene conversions, the object under a point, the rendered picture, the driver's
// capabilities.
//
// Window points are pixels from the bottom-left corner with a depth of 0 (near) … 1 (far), as GL
// counts them; a mouse position (x, y from the top) is the window point (x, height − y).
//
// GL: render(), grabImage(), glInfo() and releaseGlResources() need the host's context current;
// the GL objects are made at the first render. Destroy the viewer (or call releaseGlResources())
// while that context is current. Everything else works without a context. Main thread only.

#include "scene/GlInfo.h"
#include "scene/camera/Camera.h"
#include "scene/graph/ObjectRef.h"
#include "scene/graph/Scene.h"
#include "scene/material/Image.h"
#include "scene/pick/Picker.h"
#include "scene/render/FrameStats.h"
#include "scene/render/RenderOptions.h"
#include "scene/render/RenderTarget.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace velmara::scene {

class Renderer;

class Viewer {
public:
  explicit Viewer(Scene& scene);
  ~Viewer();
  Viewer(const Viewer&) = delete;
  Viewer& operator=(const Viewer&) = delete;

  Scene& scene() { return scene_; }
  Camera* camera() const;
  void setCamera(const Camera* camera);
  RenderOptions& options() { return options_; }
  void setBackgroundColour(const Colour& colour) { options_.background = colour; }

  // Draws one frame into the target and counts it. Without a camera it only clears.
  void render(const RenderTarget& target);
  // The size conversions and picking use before the first frame (render() sets it too).
  void setSize(int width, int height);
  int width() const { return width_; }
  int height() const { return height_; }

  // Frames drawn since the last reset, and their rate over the time since then.
  std::uint64_t frameCount() const { return frames_; }
  double framesPerSecond() const;
  void resetPerformanceMonitor();
  const FrameStats& lastFrameStats() const { return stats_; }
  // Seconds from an arbitrary start; the steady clock unless a test sets its own.
  void setClock(std::function<double()> clock);

  GlInfo glInfo() const { return QueryGlInfo(); }
  // The last rendered frame read back from its target, top row first.
  Image grabImage() const;
  // Problems met while drawing (shaders that did not build); empty when all is well.
  std::vector<std::string> renderErrors() const;

  ViewTransform viewTransform() const;
  glm::vec3 sceneToScreen(const glm::vec3& point) const;
  glm::vec3 screenToScene(const glm::vec3& window) const;
  Ray rayFromScreen(const glm::vec2& window) const;
  PickHit pick(const glm::vec2& window, const PickFilter& filter = {}) const;

  // Frees the GL objects now (the context must be current); the next render makes them again.
  void releaseGlResources();

private:
  Scene& scene_;
  ObjectRef camera_;
  RenderOptions options_;
  std::unique_ptr<Renderer> renderer_;
  RenderTarget lastTarget_;
  int width_ = 1;
  int height_ = 1;
  FrameStats stats_;
  std::uint64_t frames_ = 0;
  double resetTime_ = 0.0;
  std::function<double()> clock_;
};

}  // namespace velmara::scene

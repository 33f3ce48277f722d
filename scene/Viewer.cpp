#include "scene/Viewer.h"

#include "scene/render/Renderer.h"

#include <epoxy/gl.h>

#include <algorithm>
#include <chrono>
#include <cstring>

namespace velmara::scene {
namespace {

double steadySeconds() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

}  // namespace

Viewer::Viewer(Scene& scene) : scene_(scene), clock_(steadySeconds) { resetTime_ = clock_(); }

Viewer::~Viewer() = default;

Camera* Viewer::camera() const { return dynamic_cast<Camera*>(camera_.get()); }

void Viewer::setCamera(const Camera* camera) { camera_ = camera ? camera->ref() : ObjectRef(); }

void Viewer::setSize(int width, int height) {
  width_ = std::max(width, 1);
  height_ = std::max(height, 1);
}

void Viewer::render(const RenderTarget& target) {
  if (!renderer_) renderer_ = std::make_unique<Renderer>();
  setSize(target.width, target.height);
  lastTarget_ = target;
  if (const Camera* current = camera()) {
    stats_ = renderer_->render(scene_, *current, target, options_);
  } else {
    glBindFramebuffer(GL_FRAMEBUFFER, target.framebuffer);
    glViewport(0, 0, target.width, target.height);
    glClearColor(options_.background.r, options_.background.g, options_.background.b, options_.background.a);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    stats_ = FrameStats();
  }
  ++frames_;
}

double Viewer::framesPerSecond() const {
  const double elapsed = clock_() - resetTime_;
  return elapsed > 0.0 ? static_cast<double>(frames_) / elapsed : 0.0;
}

void Viewer::resetPerformanceMonitor() {
  frames_ = 0;
  resetTime_ = clock_();
}

void Viewer::setClock(std::function<double()> clock) {
  clock_ = std::move(clock);
  resetTime_ = clock_();
}

Image Viewer::grabImage() const {
  const int width = lastTarget_.width;
  const int height = lastTarget_.height;
  if (width <= 0 || height <= 0) return Image();
  std::vector<std::uint8_t> bottomUp(static_cast<std::size_t>(width) * height * 4);
  glBindFramebuffer(GL_READ_FRAMEBUFFER, lastTarget_.framebuffer);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, bottomUp.data());
  std::vector<std::uint8_t> topDown(bottomUp.size());
  const std::size_t row = static_cast<std::size_t>(width) * 4;
  for (int y = 0; y < height; ++y) {
    std::memcpy(topDown.data() + static_cast<std::size_t>(y) * row,
                bottomUp.data() + static_cast<std::size_t>(height - 1 - y) * row, row);
  }
  return Image(width, height, std::move(topDown));
}

std::vector<std::string> Viewer::renderErrors() const {
  return renderer_ ? renderer_->errors() : std::vector<std::string>();
}

ViewTransform Viewer::viewTransform() const {
  const Viewport viewport{0, 0, width_, height_};
  if (const Camera* current = camera()) return current->viewTransform(viewport);
  return ViewTransform(glm::mat4(1.0f), glm::mat4(1.0f), viewport);
}

glm::vec3 Viewer::sceneToScreen(const glm::vec3& point) const { return viewTransform().project(point); }

glm::vec3 Viewer::screenToScene(const glm::vec3& window) const { return viewTransform().unproject(window); }

Ray Viewer::rayFromScreen(const glm::vec2& window) const { return viewTransform().ray(window); }

PickHit Viewer::pick(const glm::vec2& window, const PickFilter& filter) const {
  return pickObject(scene_.root(), PickQuery::at(viewTransform(), window), filter);
}

void Viewer::releaseGlResources() { renderer_.reset(); }

}  // namespace velmara::scene

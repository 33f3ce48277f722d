#include "tests/scene/RenderFixture.h"

#include <cmath>

namespace velmara::test {

RenderFixture::RenderFixture() : camera_(scene_.root().emplaceChild<scene::Camera>("camera")) {
  camera_.setPosition({0.0f, 0.0f, 10.0f});
  camera_.setDirection({0.0f, 0.0f, -1.0f});
  camera_.setDepthOfView(100.0f);
}

void RenderFixture::SetUp() {
  ASSERT_TRUE(context_.valid()) << context_.error();
  target_ = std::make_unique<scene::OffscreenFramebuffer>(kWidth, kHeight);
  ASSERT_TRUE(target_->complete());
  viewer_ = std::make_unique<scene::Viewer>(scene_);
  viewer_->setCamera(&camera_);
  viewer_->setSize(kWidth, kHeight);
}

void RenderFixture::TearDown() {
  if (viewer_) {
    for (const std::string& error : viewer_->renderErrors()) ADD_FAILURE() << error;
  }
  // GL objects go while the context is still current.
  viewer_.reset();
  target_.reset();
}

scene::Image RenderFixture::render() {
  viewer_->render(target_->target());
  return viewer_->grabImage();
}

std::uint32_t RenderFixture::pixelAt(const scene::Image& image, const glm::vec3& point) const {
  const glm::vec3 window = viewer_->sceneToScreen(point);
  return windowPixel(image, static_cast<int>(std::floor(window.x)), static_cast<int>(std::floor(window.y)));
}

std::uint32_t RenderFixture::windowPixel(const scene::Image& image, int x, int y) {
  return image.pixel(x, image.height() - 1 - y);
}

}  // namespace velmara::test

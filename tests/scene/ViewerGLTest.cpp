// The viewer's reports: frames and their rate, the rendered picture, the driver's capabilities.

#include "scene/objects/Sphere.h"
#include "tests/scene/RenderFixture.h"

namespace velmara::test {
namespace {

class Viewer : public RenderFixture {};

TEST_F(Viewer, CountsFramesAndTheirRateSinceTheLastReset) {
  double now = 100.0;
  viewer_->setClock([&] { return now; });
  for (int i = 0; i < 12; ++i) render();
  now += 2.0;
  EXPECT_EQ(viewer_->frameCount(), 12u);
  EXPECT_DOUBLE_EQ(viewer_->framesPerSecond(), 6.0);
  viewer_->resetPerformanceMonitor();
  EXPECT_EQ(viewer_->frameCount(), 0u);
  EXPECT_DOUBLE_EQ(viewer_->framesPerSecond(), 0.0);
  render();
  now += 0.5;
  EXPECT_DOUBLE_EQ(viewer_->framesPerSecond(), 2.0);
}

TEST_F(Viewer, GrabsTheFrameItRenderedTheRightWayUp) {
  auto& sphere = scene_.root().emplaceChild<scene::Sphere>();
  sphere.material().lit = false;
  sphere.material().diffuse = {0, 1, 0, 1};
  sphere.setRadius(1.0f);
  sphere.setPosition({0, 2.5f, 0});  // in the upper half of the view
  viewer_->setBackgroundColour({0, 0, 0.5f, 1});
  const scene::Image image = render();
  ASSERT_EQ(image.width(), kWidth);
  ASSERT_EQ(image.height(), kHeight);
  EXPECT_TRUE(colourNear(image.pixel(kWidth / 2, kHeight / 4), 0x00FF00FFu, 1));
  EXPECT_TRUE(colourNear(image.pixel(kWidth / 2, 3 * kHeight / 4), 0x000080FFu, 1));
  EXPECT_TRUE(colourNear(image.pixel(0, 0), 0x000080FFu, 1));
}

TEST_F(Viewer, ReportsTheDriversCapabilities) {
  const scene::GlInfo info = viewer_->glInfo();
  EXPECT_FALSE(info.renderer.empty());
  EXPECT_GE(info.textureUnits, 4);
  EXPECT_GE(info.maxTextureSize, 1024);
  ASSERT_FALSE(info.extensions.empty());
  EXPECT_TRUE(info.hasExtension(info.extensions.front()));
  EXPECT_FALSE(info.hasExtension("GL_VELMARA_no_such_thing"));
}

TEST_F(Viewer, WithoutACameraItOnlyClears) {
  viewer_->setCamera(nullptr);
  viewer_->setBackgroundColour({1, 0, 0, 1});
  scene_.root().emplaceChild<scene::Sphere>();
  EXPECT_EQ(countPixels(render(), 0xFF0000FFu, 0), kWidth * kHeight);
}

}  // namespace
}  // namespace velmara::test

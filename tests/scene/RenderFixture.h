#pragma once
// A small scene rendered offscreen: an EGL context, a 160 × 120 framebuffer, a scene with a camera
// at (0, 0, 10) looking down −Z (screen right is +X, screen up is +Y), a viewer on black, and
// helpers to render and read back where a scene point lands.

#include "scene/Viewer.h"
#include "scene/camera/Camera.h"
#include "scene/graph/Scene.h"
#include "scene/render/OffscreenFramebuffer.h"
#include "tests/scene/ImageDiff.h"
#include "tests/support/EglContext.h"

#include <gtest/gtest.h>

#include <memory>

namespace velmara::test {

class RenderFixture : public ::testing::Test {
protected:
  static constexpr int kWidth = 160;
  static constexpr int kHeight = 120;

  RenderFixture();
  void SetUp() override;
  void TearDown() override;

  // Renders the scene and reads the frame back (top row first).
  scene::Image render();
  // The pixel (of an image from render()) that a scene point projects to.
  std::uint32_t pixelAt(const scene::Image& image, const glm::vec3& point) const;
  // The pixel at a window point (origin bottom-left, as the viewer counts).
  static std::uint32_t windowPixel(const scene::Image& image, int x, int y);

  EglContext context_;
  std::unique_ptr<scene::OffscreenFramebuffer> target_;
  scene::Scene scene_;
  scene::Camera& camera_;
  std::unique_ptr<scene::Viewer> viewer_;
};

}  // namespace velmara::test

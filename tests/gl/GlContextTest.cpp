#include "scene/GlInfo.h"
#include "tests/support/EglContext.h"

#include <epoxy/gl.h>
#include <gtest/gtest.h>

namespace velmara {
namespace {

TEST(GlContext, SurfacelessContextReportsItselfAndRendersOffscreen) {
  test::EglContext context;
  ASSERT_TRUE(context.valid()) << context.error();

  const scene::GlInfo info = scene::QueryGlInfo();
  EXPECT_FALSE(info.renderer.empty());
  EXPECT_GE(info.major * 10 + info.minor, 33) << info.version;
  EXPECT_TRUE(info.multitexture);
  EXPECT_GE(info.textureUnits, 16);

  test::OffscreenTarget target(64, 32);
  ASSERT_TRUE(target.complete());
  glClearColor(1.0f, 0.5f, 0.0f, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT);
  glEnable(GL_SCISSOR_TEST);
  glScissor(0, 0, 8, 8);
  glClearColor(0.0f, 0.0f, 1.0f, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT);
  glDisable(GL_SCISSOR_TEST);
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

  // 0.5 is stored as 127 or 128 depending on the driver's rounding.
  const unsigned int orange = target.pixel(40, 20);
  EXPECT_EQ(orange & 0xFF00FFFFu, 0xFF0000FFu);
  EXPECT_NEAR(static_cast<int>((orange >> 16) & 0xFF), 128, 1);
  EXPECT_EQ(target.pixel(3, 3), 0x0000FFFFu);
}

}  // namespace
}  // namespace velmara

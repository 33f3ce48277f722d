// The graphics test's rules: the fade, the per-second averaging and the verdict bands.

#include "app/view/GraphicsTest.h"

#include <gtest/gtest.h>

namespace velmara {
namespace {

TEST(GraphicsTest, FadeEndsBelowATenthAndRestoresFullAlpha) {
  TGraphicsTest test;
  EXPECT_FALSE(test.AdvanceFade(1.0)) << "not armed";
  test.ArmFade();
  int frames = 0;
  while (!test.AdvanceFade(0.4)) ++frames;
  // 1 → below 0.1 at 0.04 a frame: the 23rd step ends it.
  EXPECT_EQ(frames, 22);
  EXPECT_FALSE(test.FadeArmed());
  EXPECT_FLOAT_EQ(test.Alpha(), 1.0f);
}

TEST(GraphicsTest, AveragesEachSecondWithTheResultSoFar) {
  TGraphicsTest test;
  test.AddSecond(99.0);
  EXPECT_EQ(test.Result(), 0.0) << "only while running";
  test.Start();
  test.AddSecond(30.0);
  test.AddSecond(20.0);
  test.AddSecond(10.0);
  EXPECT_DOUBLE_EQ(test.Result(), 17.5);
  test.Start();
  EXPECT_EQ(test.Result(), 0.0);
}

TEST(GraphicsTest, VerdictBandsAndTexts) {
  struct Case {
    double fps;
    TFpsVerdict verdict;
  };
  for (const Case& c : {Case{9.99, TFpsVerdict::Poor}, Case{10.0, TFpsVerdict::Good}, Case{19.99, TFpsVerdict::Good},
                        Case{20.0, TFpsVerdict::VeryGood}})
    EXPECT_EQ(VerdictFor(c.fps), c.verdict) << c.fps;
  EXPECT_EQ(ResultText(23.44), "Result = 23.4 FPS (Frames Per Second)");
  EXPECT_EQ(FrameRateLine(12.25, 1574), "12.2 FPS - 1574");
}

}  // namespace
}  // namespace velmara

// The frame loop's movement, zoom, paging, heading and depth-text rules.

#include "app/view/FrameLoopLogic.h"

#include <gtest/gtest.h>

namespace velmara {
namespace {

TEST(FrameLoopLogic, ShiftMovesTwelveTimesAsFarAndTheSkyCameraATenth) {
  const TMoveSpeed slow = MoveSpeed(0.02, false, false), fast = MoveSpeed(0.02, true, false);
  EXPECT_DOUBLE_EQ(fast.k / slow.k, 12.0);
  EXPECT_DOUBLE_EQ(slow.step, 0.2);
  EXPECT_DOUBLE_EQ(fast.step, 0.8);
  EXPECT_DOUBLE_EQ(MoveSpeed(0.02, false, true).k, 0.05);
}

TEST(FrameLoopLogic, ZoomUsesSceneScaleThenFocalLength) {
  struct Case {
    TZoom before;
    bool in;
    float scale, focal;
  };
  const Case cases[] = {
      {{1, 50}, true, 2, 50},  {{1, 40}, true, 1, 42}, {{3, 40}, true, 4, 40},
      {{2, 50}, false, 1, 50}, {{1, 50}, false, 1, 48}, {{1, 22}, false, 1, 22},  // at 22 and scale 1 nothing
  };
  for (const Case& c : cases) {
    const TZoom after = c.in ? ZoomIn(c.before) : ZoomOut(c.before);
    EXPECT_EQ(after.sceneScale, c.scale);
    EXPECT_EQ(after.focalLength, c.focal);
  }
}

TEST(FrameLoopLogic, PagingLimits) {
  EXPECT_FALSE(SkyPageUp(3.0f, 1024, 4000).factor) << "no closer than 3";
  EXPECT_EQ(*SkyPageUp(76.0f, 1024, 4000).factor, 0.9f);
  EXPECT_EQ(*SkyPageUp(76.0f, 1024, 4000).depthOfView, 4000.0f);
  EXPECT_FALSE(SkyPageUp(600.0f, 1024, 4000).depthOfView);
  EXPECT_FALSE(SkyPageDown(900.0f, 4000, 4000).factor) << "no farther than 900";
  EXPECT_EQ(*SkyPageDown(600.0f, 1024, 4000).depthOfView, 4000.0f);
  EXPECT_EQ(HeightOffsetPageUp(0.5f), 0.5f);
  EXPECT_EQ(HeightOffsetPageUp(2.0f), 1.5f);
  EXPECT_EQ(HeightOffsetPageDown(14000.0f), 14000.0f);
  EXPECT_EQ(HeightOffsetPageDown(1.0f), 1.5f);
}

TEST(FrameLoopLogic, ArrowsMoveTheAnchorWhereTheCameraLooksAndTheBoatAlongItsCourse) {
  // The sky camera 30 south of its anchor looks north: Up moves the anchor north (+Z).
  EXPECT_EQ(SkyAnchorMove(TArrow::Up, {0, -30}, 0.1), glm::vec3(0, 0, 3));
  EXPECT_EQ(SkyAnchorMove(TArrow::Left, {0, -30}, 0.1), glm::vec3(3, 0, 0)) << "left is west, +X";
  // A boat heading north (+Z): Down backs it south, Right moves it east (−X).
  EXPECT_EQ(BoatMove(TArrow::Down, {0, 1}, 0.5), glm::vec3(0, 0, -0.5f));
  EXPECT_EQ(BoatMove(TArrow::Right, {0, 1}, 0.5), glm::vec3(-0.5f, 0, 0));
}

TEST(FrameLoopLogic, HeadingsAndDepthTexts) {
  EXPECT_NEAR(SceneHeading({0, 0, 1}), 0.0, 1e-9);
  EXPECT_NEAR(SceneHeading({-1, 0, 0}), 90.0, 1e-9);
  EXPECT_NEAR(SceneHeading({0, -5, -1}), 180.0, 1e-9);
  EXPECT_NEAR(SceneHeading({1, 0, 0}), 270.0, 1e-9);
  EXPECT_EQ(HeadingText(20.0), "20.0\u00BAT");
  EXPECT_EQ(BoatDepthText(9.95, TDepthUnit::Metres, false), "Model depth at boat: 10 m");
  EXPECT_EQ(BoatDepthText(9.95, TDepthUnit::Metres, true), "Model depth at boat: 9.9 m");
  EXPECT_EQ(ModelDepthLine(10.0, TDepthUnit::Feet), "32.8 ft");
}

}  // namespace
}  // namespace velmara

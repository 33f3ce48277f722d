// The arithmetic of the cameras: lens zoom, zoom factors, pans, the boat scale, compass headings,
// point-north, the defaults table and the depth of view per camera resolution.

#include "app/scene/CameraTables.h"
#include "app/scene/MainScene.h"
#include "app/view/MouseNavigation.h"
#include "scene/objects/Dummy.h"

#include <gtest/gtest.h>

namespace velmara {
namespace {

struct LensCase {
  const char* name;
  TLens lens;
  float f;
  TLens expected;
};

class ZoomLensTest : public ::testing::TestWithParam<LensCase> {};

TEST_P(ZoomLensTest, ChangesScaleOrFocalLength) {
  const LensCase& c = GetParam();
  const TLens zoomed = ZoomLens(c.lens, c.f);
  EXPECT_FLOAT_EQ(zoomed.SceneScale, c.expected.SceneScale);
  EXPECT_FLOAT_EQ(zoomed.FocalLength, c.expected.FocalLength);
}

INSTANTIATE_TEST_SUITE_P(Cases, ZoomLensTest,
                         ::testing::Values(LensCase{"in_normal_lens_scales", {1, 50}, 1.2f, {1.2f, 50}},
                                           LensCase{"in_wide_lens_lengthens", {1, 22}, 1.2f, {1, 26.4f}},
                                           LensCase{"in_scaled_wide_lens_scales", {1.5f, 22}, 1.2f, {1.8f, 22}},
                                           LensCase{"out_at_widest_changes_nothing", {1, 22}, 0.8f, {1, 22}},
                                           LensCase{"out_scaled_unscales", {1.2f, 50}, 0.8f, {0.96f, 50}},
                                           LensCase{"out_unscaled_shortens", {1, 50}, 0.8f, {1, 40}},
                                           LensCase{"out_below_one_keeps_scale", {0.9f, 22}, 0.8f, {0.9f, 22}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MouseZoom, DraggingUpZoomsOtherCamerasInAndTakesTheSkyCameraNearer) {
  const TMouseDelta up{0, 100};  // last y − y
  EXPECT_FLOAT_EQ(ZoomFactor(false, up), 1.2f);
  EXPECT_FLOAT_EQ(ZoomFactor(true, up), 0.8f);
  // The specified drag: 100 px up at focal length 50, scale 1 gives scale 1.2; down at 22 nothing.
  EXPECT_EQ(ZoomLens({1, 50}, ZoomFactor(false, up)), (TLens{1.2f, 50}));
  EXPECT_EQ(ZoomLens({1, 22}, ZoomFactor(false, {0, -100})), (TLens{1, 22}));
}

TEST(MouseZoom, SkyCameraStaysBetweenItsLimits) {
  const struct {
    float distance, f;
    bool allowed;
  } cases[] = {{100, 1.1f, true}, {256, 1.1f, false}, {255, 1.1f, true}, {100, 0.9f, true}, {3, 0.9f, false}, {3.5f, 0.9f, true}, {100, 1.0f, false}};
  for (const auto& c : cases) EXPECT_EQ(SkyZoomAllowed(c.distance, c.f), c.allowed) << c.distance << " × " << c.f;
}

TEST(MousePan, SkyAnchorMovesInTheCamerasFrameOverSeventy) {
  const glm::vec3 c(0, 70, -30);
  const glm::vec3 up = SkyPanOffset({0, 70}, c), side = SkyPanOffset({70, 0}, c);
  EXPECT_FLOAT_EQ(up.x, 0);
  EXPECT_FLOAT_EQ(up.z, -30);
  EXPECT_FLOAT_EQ(side.x, -30);
  EXPECT_FLOAT_EQ(side.z, 0);
  EXPECT_FLOAT_EQ(up.y + side.y, 0);
}

TEST(MousePan, BoatMovesAlongAndAcrossItsDirection) {
  const glm::vec3 north(0, 0, 1);
  EXPECT_EQ(BoatPanOffset({0, 10}, north), glm::vec3(0, 0, 10));
  EXPECT_EQ(BoatPanOffset({10, 0}, north), glm::vec3(10, 0, 0));
  const glm::vec3 west(1, 0, 0);
  EXPECT_EQ(BoatPanOffset({3, 10}, west), glm::vec3(10, 0, -3));
}

TEST(BoatScale, FollowsTheSkyCamerasDistanceOnly) {
  EXPECT_NEAR(BoatScaleFactor(true, 300), 300 / 76.1558, 1e-5);
  EXPECT_NEAR(BoatScaleFactor(true, 300), 3.94, 0.005);
  EXPECT_FLOAT_EQ(BoatScaleFactor(true, 50), 1);
  EXPECT_FLOAT_EQ(BoatScaleFactor(false, 300), 1);
}

TEST(CompassHeading, OfHorizontalSceneVectors) {
  const struct {
    glm::vec3 v;
    double heading;
  } cases[] = {{{0, 0, 1}, 0}, {{-1, 0, 0}, 90}, {{0, 0, -1}, 180}, {{1, 0, 0}, 270}, {{-1, 5, 1}, 45}, {{1e-9f, 0, 1}, 360 - 5.7e-8}};
  for (const auto& c : cases) EXPECT_NEAR(CompassHeading(c.v), c.heading, 1e-6) << c.v.x << "," << c.v.z;
  EXPECT_LT(CompassHeading({1e-12f, 0, 1}), 360.0);
}

TEST(PointNorth, LeavesTheCameraLookingNorthAtTheSameDistance) {
  for (const glm::vec3 start : {glm::vec3(10, 5, 0), glm::vec3(-3, 2, -4), glm::vec3(0, 70, 30), glm::vec3(7, 1, 7)}) {
    scene::Dummy anchor;
    anchor.setPosition({100, 0, -50});
    auto& camera = anchor.emplaceChild<scene::Camera>("camera");
    camera.setTarget(&anchor);
    camera.setPosition(start);
    const float distance = camera.distanceToTarget();
    PointCameraNorth(camera);
    const glm::vec3 look = camera.lookPoint() - camera.absolutePosition();
    EXPECT_NEAR(CompassHeading(look), 0.0, 0.01) << start.x << "," << start.z;
    EXPECT_NEAR(camera.distanceToTarget(), distance, 1e-3);
    EXPECT_NEAR(camera.position().y, start.y, 1e-3) << "a turn keeps the height";
  }
}

TEST(DepthOfView, PerCameraAndResolution) {
  using Row = TDepthOfViewTable::Row;
  for (int res = 1; res <= 3; ++res) {
    EXPECT_FLOAT_EQ(TDepthOfViewTable::DepthOfView(Row::FollowBoat, res), 4000);
    EXPECT_FLOAT_EQ(TDepthOfViewTable::DepthOfView(Row::Sky, res), 4000);
    EXPECT_FLOAT_EQ(TDepthOfViewTable::DepthOfView(Row::Other, res), 2048);
  }
  const struct {
    int camRes;
    float quality;
    int precision;
  } ranges[] = {{1, 1024, 100}, {2, 400, 100}, {3, 200, 200}, {0, 400, 100}};
  for (const auto& r : ranges) {
    EXPECT_FLOAT_EQ(TDepthOfViewTable::QualityDistance(r.camRes), r.quality) << r.camRes;
    EXPECT_EQ(TDepthOfViewTable::LodPrecision(r.camRes), r.precision) << r.camRes;
  }
}

class SceneCameras : public ::testing::Test {
protected:
  TMainScene scene_{[](const std::string&) { return std::shared_ptr<const scene::Image>(); }};
};

TEST_F(SceneCameras, CameraResolutionSetsEveryCameraAndTheRenderer) {
  scene_.ApplyCameraResolution(3);
  EXPECT_FLOAT_EQ(scene_.FishingCamera->depthOfView(), 4000);
  EXPECT_FLOAT_EQ(scene_.SkyCamera->depthOfView(), 4000);
  for (scene::Camera* c : {scene_.FromBoatCamera, scene_.UnderBoatCamera, scene_.BehindCamera, scene_.NetCamera, scene_.AtBottomCamera,
                           scene_.GLCameraRoam})
    EXPECT_FLOAT_EQ(c->depthOfView(), 2048) << c->name();
  EXPECT_EQ(scene_.TerrainRenderer1->settings().camRes, 3);
  EXPECT_FLOAT_EQ(scene_.TerrainRenderer1->settings().qualityDistance, 200);
  EXPECT_EQ(scene_.TerrainRenderer1->settings().lodPrecision, 200);
}

TEST_F(SceneCameras, DefaultsTableRestoresEachCamera) {
  TCameraDefaults defaults;
  defaults.Register(scene_.Cameras());
  const TCameraPose sky = defaults.Pose(2);
  EXPECT_EQ(sky.Position, glm::vec3(0, 70, -30));
  EXPECT_FLOAT_EQ(sky.FocalLength, 50);
  EXPECT_FLOAT_EQ(defaults.Pose(1).FocalLength, 60);
  EXPECT_FLOAT_EQ(defaults.Pose(6).FocalLength, 35);
  EXPECT_EQ(defaults.Pose(3).Direction, glm::vec3(0, 0, 1));

  scene::Camera& camera = *scene_.SkyCamera;
  camera.moveAroundTarget(20, 40);
  camera.adjustDistanceToTarget(2.0f);
  camera.setFocalLength(80);
  camera.setSceneScale(1.5f);
  defaults.Restore(camera, 2);
  EXPECT_NEAR(glm::distance(camera.position(), sky.Position), 0.0f, 1e-4f);
  EXPECT_FLOAT_EQ(camera.focalLength(), 50);
  EXPECT_FLOAT_EQ(camera.sceneScale(), 1);
  EXPECT_THROW(defaults.Pose(8), std::out_of_range);
}

}  // namespace
}  // namespace velmara

#include "scene/camera/Camera.h"
#include "scene/graph/Scene.h"
#include "scene/objects/Dummy.h"

#include <gtest/gtest.h>

namespace velmara::scene {
namespace {

struct LensCase {
  float focalLength, sceneScale, degrees;
};

TEST(Camera, LensGivesTheFieldOfView) {
  // 2·atan(25 / (f·s)).
  const LensCase cases[] = {{50, 1, 53.130f}, {22, 1, 97.304f}, {50, 2, 28.072f}, {35, 1, 71.075f}};
  for (const LensCase& c : cases) {
    Camera camera;
    camera.setFocalLength(c.focalLength);
    camera.setSceneScale(c.sceneScale);
    EXPECT_NEAR(camera.verticalFieldOfView(), c.degrees, 1e-2f) << "f " << c.focalLength << " s " << c.sceneScale;
  }
}

TEST(Camera, NearPlaneFollowsTheDepthOfView) {
  Camera camera;
  camera.setDepthOfView(4000.0f);
  EXPECT_FLOAT_EQ(camera.nearPlane(), 0.2f);
  camera.setDepthOfView(100.0f);
  EXPECT_FLOAT_EQ(camera.nearPlane(), 0.01f);
}

class Projection : public ::testing::Test {
protected:
  Projection() : target_(scene_.root().emplaceChild<Dummy>("target")), camera_(scene_.root().emplaceChild<Camera>()) {
    target_.setPosition({3, 1, 2});
    camera_.setPosition({3, 21, -13});
    camera_.setTarget(&target_);
    camera_.setDepthOfView(1024.0f);
  }
  Scene scene_;
  Dummy& target_;
  Camera& camera_;
  const Viewport viewport_{0, 0, 640, 480};
};

TEST_F(Projection, TheTargetLandsInTheMiddleOfTheView) {
  const glm::vec3 window = camera_.viewTransform(viewport_).project(target_.absolutePosition());
  EXPECT_NEAR(window.x, 320.0f, 1e-3f);
  EXPECT_NEAR(window.y, 240.0f, 1e-3f);
  EXPECT_GT(window.z, 0.0f);
  EXPECT_LT(window.z, 1.0f);
}

TEST_F(Projection, UnprojectUndoesProject) {
  const ViewTransform view = camera_.viewTransform(viewport_);
  for (const glm::vec3 point : {glm::vec3(3, 1, 2), glm::vec3(-5, 0, 8), glm::vec3(10, -4, 30)}) {
    const glm::vec3 back = view.unproject(view.project(point));
    EXPECT_NEAR(glm::distance(back, point), 0.0f, 1e-2f);
  }
  // A point higher up in the scene (+Y) lands higher on the screen.
  EXPECT_GT(view.project({3, 2, 2}).y, view.project({3, 1, 2}).y);
}

TEST_F(Projection, RayFromTheScreenPassesThroughTheUnprojectedPoint) {
  const ViewTransform view = camera_.viewTransform(viewport_);
  const Ray ray = view.ray({100, 400});
  EXPECT_NEAR(glm::length(ray.direction), 1.0f, 1e-5f);
  EXPECT_NEAR(glm::distance(ray.origin, camera_.absolutePosition()), 0.0f, 1e-4f);
  // Depth 0 is the near plane: the near-plane point lies on the ray.
  const glm::vec3 onNear = view.unproject({100, 400, 0});
  const glm::vec3 along = ray.at(glm::distance(ray.origin, onNear));
  EXPECT_NEAR(glm::distance(along, onNear), 0.0f, 1e-3f);
  EXPECT_NEAR(view.project(ray.at(50.0f)).x, 100.0f, 1e-2f);
}

TEST_F(Projection, AdjustDistanceScalesTheWayToTheTarget) {
  camera_.adjustDistanceToTarget(0.5f);
  EXPECT_NEAR(camera_.distanceToTarget(), 0.5f * glm::length(glm::vec3(0, 20, -15)), 1e-4f);
  EXPECT_NEAR(glm::distance(camera_.absolutePosition(), glm::vec3(3, 11, -5.5f)), 0.0f, 1e-4f);
}

}  // namespace
}  // namespace velmara::scene

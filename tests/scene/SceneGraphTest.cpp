#include "scene/camera/Camera.h"
#include "scene/graph/Scene.h"
#include "scene/objects/Cube.h"
#include "scene/objects/Dummy.h"

#include <gtest/gtest.h>

#include <glm/gtc/epsilon.hpp>

namespace velmara::scene {
namespace {

::testing::AssertionResult near(const glm::vec3& actual, const glm::vec3& expected, float tolerance = 1e-4f) {
  if (glm::all(glm::epsilonEqual(actual, expected, tolerance))) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "(" << actual.x << ", " << actual.y << ", " << actual.z << ") instead of ("
                                       << expected.x << ", " << expected.y << ", " << expected.z << ")";
}

struct ChildCase {
  const char* name;
  glm::vec3 parentPosition, parentDirection, parentScale;
  glm::vec3 childPosition;
  glm::vec3 expectedAbsolute;
};

// Facing west (+X) the parent's own +X (up × direction) points south (−Z).
const ChildCase kChildCases[] = {
    {"translated", {1, 2, 3}, {0, 0, 1}, {1, 1, 1}, {1, 0, 0}, {2, 2, 3}},
    {"facing west", {0, 0, 0}, {1, 0, 0}, {1, 1, 1}, {1, 0, 2}, {2, 0, -1}},
    {"scaled", {0, 0, 0}, {0, 0, 1}, {2, 3, 4}, {1, 1, 1}, {2, 3, 4}},
    {"all at once", {10, 0, 0}, {1, 0, 0}, {2, 2, 2}, {0, 1, 1}, {12, 2, 0}},
};

class ChildPlacement : public ::testing::TestWithParam<ChildCase> {};

TEST_P(ChildPlacement, ChildLivesInItsParentsFrame) {
  const ChildCase& c = GetParam();
  Scene scene;
  auto& parent = scene.root().emplaceChild<Dummy>("parent");
  parent.setPosition(c.parentPosition);
  parent.setDirection(c.parentDirection);
  parent.setScale(c.parentScale);
  auto& child = parent.emplaceChild<Cube>("child");
  child.setPosition(c.childPosition);

  EXPECT_TRUE(near(child.absolutePosition(), c.expectedAbsolute));
  EXPECT_TRUE(near(parent.localToAbsolute(c.childPosition), c.expectedAbsolute));
  EXPECT_TRUE(near(parent.absoluteToLocal(c.expectedAbsolute), c.childPosition));
  // Placing by absolute position lands on the same local one.
  child.setPosition({0, 0, 0});
  child.setAbsolutePosition(c.expectedAbsolute);
  EXPECT_TRUE(near(child.position(), c.childPosition));
}

INSTANTIATE_TEST_SUITE_P(SceneGraph, ChildPlacement, ::testing::ValuesIn(kChildCases),
                         [](const auto& info) {
                           std::string name = info.param.name;
                           std::replace(name.begin(), name.end(), ' ', '_');
                           return name;
                         });

TEST(SceneGraph, DirectionAndUpStayPerpendicularUnitVectors) {
  Cube cube;
  cube.setDirection({0, 0, 5});
  EXPECT_TRUE(near(cube.direction(), {0, 0, 1}));
  // Turning the direction onto the old up carries up along (a disk laid flat faces up, its up
  // now points south).
  cube.setDirection({0, 1, 0});
  EXPECT_TRUE(near(cube.up(), {0, 0, -1}));
  cube.setUp({1, 1, 0});  // only the part across the direction counts
  EXPECT_TRUE(near(cube.up(), {1, 0, 0}));
  EXPECT_TRUE(near(cube.direction(), {0, 1, 0}));
}

TEST(SceneGraph, TurnPitchAndMoveActOnTheObjectsOwnAxes) {
  Cube cube;
  cube.turn(90.0f);  // counter-clockwise from above: north turns to west
  EXPECT_TRUE(near(cube.direction(), {1, 0, 0}));
  cube.move(2.0f);
  EXPECT_TRUE(near(cube.position(), {2, 0, 0}));
  cube.pitch(90.0f);
  EXPECT_NEAR(glm::dot(cube.direction(), cube.up()), 0.0f, 1e-5f);
  EXPECT_NEAR(std::abs(cube.direction().y), 1.0f, 1e-5f);
}

TEST(SceneGraph, PointToFacesAnObjectInAnotherBranch) {
  Scene scene;
  auto& group = scene.root().emplaceChild<Dummy>("group");
  group.setPosition({5, 0, 0});
  group.setDirection({1, 0, 0});
  auto& looker = group.emplaceChild<Cube>("looker");
  auto& target = scene.root().emplaceChild<Cube>("target");
  target.setPosition({5, 0, 10});

  looker.pointTo(target);
  EXPECT_TRUE(near(looker.absoluteDirection(), {0, 0, 1}));
  // In the group's frame (facing west, its +X south) north is −X.
  EXPECT_TRUE(near(looker.direction(), {-1, 0, 0}));
}

TEST(SceneGraph, MoveAroundTargetKeepsTheDistanceAndLooksAtTheTarget) {
  Scene scene;
  auto& target = scene.root().emplaceChild<Dummy>("target");
  target.setPosition({1, 0, 1});
  auto& camera = scene.root().emplaceChild<Camera>("camera");
  camera.setPosition({1, 0, -9});
  camera.setTarget(&target);

  camera.moveAroundTarget(0.0f, 90.0f);
  EXPECT_TRUE(near(camera.absolutePosition(), {-9, 0, 1}));
  EXPECT_TRUE(near(camera.absoluteDirection(), {1, 0, 0}));

  camera.moveAroundTarget(30.0f, 0.0f);
  EXPECT_NEAR(camera.distanceToTarget(), 10.0f, 1e-4f);
  EXPECT_NEAR(camera.absolutePosition().y, 5.0f, 1e-4f);  // 10 · sin 30°

  // Pitch stops short of straight above the target.
  camera.moveAroundTarget(500.0f, 0.0f);
  EXPECT_NEAR(camera.absolutePosition().y, 10.0f * std::sin(glm::radians(89.0f)), 1e-3f);
  EXPECT_NEAR(camera.distanceToTarget(), 10.0f, 1e-4f);
}

TEST(SceneGraph, FindChildSearchesBelowAndRemoveChildHandsOwnershipBack) {
  Scene scene;
  auto& boat = scene.root().emplaceChild<Dummy>("BoatCube");
  auto& form = boat.emplaceChild<Cube>("BoatForm");
  EXPECT_EQ(scene.find("BoatForm"), &form);
  EXPECT_EQ(scene.root().findChild("BoatForm", false), nullptr);
  EXPECT_EQ(scene.find("missing"), nullptr);

  std::unique_ptr<SceneObject> removed = boat.removeChild(form);
  ASSERT_EQ(removed.get(), &form);
  EXPECT_EQ(removed->parent(), nullptr);
  EXPECT_EQ(scene.find("BoatForm"), nullptr);
}

TEST(SceneGraph, ReferencesForgetObjectsThatAreGone) {
  Scene scene;
  auto& camera = scene.root().emplaceChild<Camera>("camera");
  auto& target = scene.root().emplaceChild<Dummy>("target");
  camera.setTarget(&target);
  ASSERT_EQ(camera.target(), &target);
  scene.root().removeChild(target);  // the returned owner frees it at once
  EXPECT_EQ(camera.target(), nullptr);
  EXPECT_NO_FATAL_FAILURE(camera.viewMatrix());
}

}  // namespace
}  // namespace velmara::scene

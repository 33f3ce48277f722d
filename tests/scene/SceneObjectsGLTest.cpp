// Every object kind draws where the camera's projection says, with its material's colour.

#include "scene/objects/ArrowLine.h"
#include "scene/objects/Cone.h"
#include "scene/objects/Cube.h"
#include "scene/objects/Disk.h"
#include "scene/objects/Dummy.h"
#include "scene/objects/FreeForm.h"
#include "scene/objects/Frustum.h"
#include "scene/objects/LightSource.h"
#include "scene/objects/Line.h"
#include "scene/objects/Pipe.h"
#include "scene/objects/Plane.h"
#include "scene/objects/Polygon.h"
#include "scene/objects/SkyDome.h"
#include "scene/objects/Sphere.h"
#include "scene/objects/Sprite.h"
#include "scene/geometry/Shapes.h"
#include "tests/scene/RenderFixture.h"

#include <cmath>
#include <functional>

namespace velmara::test {
namespace {

using scene::Colour;

const Colour kRed{1, 0, 0, 1};
const Colour kGreen{0, 1, 0, 1};
const Colour kBlue{0, 0, 1, 1};
const std::uint32_t kBlack = 0x000000FFu;

// Unlit, so that the pixel shows the material's diffuse colour exactly.
template <typename T>
T& unlit(T& object, const Colour& colour) {
  object.material().lit = false;
  object.material().diffuse = colour;
  return object;
}

struct KindCase {
  const char* name;
  // Adds the object, centred on (x, y, 0); returns the scene point to look at.
  std::function<glm::vec3(scene::SceneObject& root, const glm::vec3& at)> add;
};

const KindCase kKinds[] = {
    {"Sphere", [](scene::SceneObject& root, const glm::vec3& at) {
       auto& o = unlit(root.emplaceChild<scene::Sphere>(), kRed);
       o.setPosition(at);
       return at;
     }},
    {"Cube", [](scene::SceneObject& root, const glm::vec3& at) {
       auto& o = unlit(root.emplaceChild<scene::Cube>(), kRed);
       o.setPosition(at);
       return at;
     }},
    {"Cone", [](scene::SceneObject& root, const glm::vec3& at) {
       auto& o = unlit(root.emplaceChild<scene::Cone>(), kRed);
       o.setPosition(at);
       return at - glm::vec3(0, 0.3f, 0);  // the broad lower part
     }},
    {"Plane", [](scene::SceneObject& root, const glm::vec3& at) {
       auto& o = unlit(root.emplaceChild<scene::Plane>(), kRed);
       o.setPosition(at);
       return at;
     }},
    {"Disk", [](scene::SceneObject& root, const glm::vec3& at) {
       auto& o = unlit(root.emplaceChild<scene::Disk>(), kRed);
       o.setRadii(0.0f, 0.6f);
       o.setPosition(at);
       return at;
     }},
    {"Frustum", [](scene::SceneObject& root, const glm::vec3& at) {
       auto& o = unlit(root.emplaceChild<scene::Frustum>(), kRed);
       o.setHeights(2.0f, 1.0f);
       o.setPosition(at);
       return at;
     }},
    {"ArrowLine", [](scene::SceneObject& root, const glm::vec3& at) {
       auto& o = unlit(root.emplaceChild<scene::ArrowLine>(), kRed);
       o.setProportions({2.0f, 0.5f, 0.2f, 0.2f, 0.4f, 12});
       o.setPosition(at - glm::vec3(0, 1, 0));
       o.setDirection({0, 1, 0});  // points up the screen
       return at + glm::vec3(0, 0.6f, 0);  // in the head
     }},
    {"Pipe", [](scene::SceneObject& root, const glm::vec3& at) {
       auto& o = unlit(root.emplaceChild<scene::Pipe>(), kRed);
       o.setPosition(at);
       o.addNode({-1, 0, 0});
       o.addNode({0, 0.3f, 0});
       o.addNode({1, 0, 0});
       return at + glm::vec3(0.5f, 0.15f, 0);
     }},
    {"Polygon", [](scene::SceneObject& root, const glm::vec3& at) {
       auto& o = unlit(root.emplaceChild<scene::Polygon>(), kRed);
       o.setPosition(at);
       o.setNodes({{-0.5f, -0.5f, 0}, {0.5f, -0.5f, 0}, {0.5f, 0.5f, 0}, {0, 0.1f, 0}, {-0.5f, 0.5f, 0}});
       return at + glm::vec3(0, -0.2f, 0);
     }},
    {"Sprite", [](scene::SceneObject& root, const glm::vec3& at) {
       auto& o = root.emplaceChild<scene::Sprite>();
       o.material().texture.image = std::make_shared<const scene::Image>(scene::Image::filled(4, 4, 0xFFFFFFFFu));
       o.material().diffuse = kRed;  // tints the white picture
       o.setPosition(at);
       return at;
     }},
    {"Line", [](scene::SceneObject& root, const glm::vec3& at) {
       auto& o = root.emplaceChild<scene::Line>();
       o.setColour(kRed);
       o.setWidth(3.0f);
       o.setNodesVisible(false);
       o.setPosition(at);
       o.addNode({-1, 0, 0});
       o.addNode({1, 0, 0});
       return at;
     }},
    {"FreeForm", [](scene::SceneObject& root, const glm::vec3& at) {
       auto& o = unlit(root.emplaceChild<scene::FreeForm>(), kRed);
       o.setParts({{std::make_shared<const scene::MeshData>(scene::shapes::cube()), "none"}});
       o.setPosition(at);
       return at;
     }},
};

class EveryKind : public RenderFixture, public ::testing::WithParamInterface<KindCase> {};

TEST_P(EveryKind, DrawsWhereTheProjectionSays) {
  const glm::vec3 at(1.5f, 1.0f, 0.0f);
  const glm::vec3 look = GetParam().add(scene_.root(), at);
  const scene::Image image = render();
  EXPECT_TRUE(colourNear(pixelAt(image, look), rgba(kRed), 1));
  // The other side of the view stays empty.
  EXPECT_TRUE(colourNear(pixelAt(image, {-at.x, -at.y, 0}), kBlack, 0));
  EXPECT_GT(countPixels(image, rgba(kRed), 1), 20);
}

INSTANTIATE_TEST_SUITE_P(SceneObjects, EveryKind, ::testing::ValuesIn(kKinds),
                         [](const auto& info) { return std::string(info.param.name); });

class SceneObjects : public RenderFixture {};

TEST_F(SceneObjects, AChildFollowsItsParent) {
  // A cube placed through a turned, scaled parent looks exactly like one placed directly there.
  auto& parent = scene_.root().emplaceChild<scene::Dummy>("parent");
  parent.setPosition({1, -1, 0});
  parent.setDirection({1, 0, 1});
  parent.setScale(2.0f);
  auto& child = unlit(parent.emplaceChild<scene::Cube>("child"), kGreen);
  child.setPosition({0, 0.5f, 0.5f});
  child.setScale(0.4f);
  const scene::Image throughParent = render();
  ASSERT_GT(countPixels(throughParent, rgba(kGreen), 1), 50);

  auto& direct = unlit(scene_.root().emplaceChild<scene::Cube>("direct"), kGreen);
  direct.setPosition(child.absolutePosition());
  direct.setDirection(child.absoluteDirection());
  direct.setScale(0.8f);
  child.setVisible(false);
  EXPECT_TRUE(imagesMatch(render(), throughParent, 2, 4, "child-follows-parent"));

  // Moving the parent moves the child.
  direct.setVisible(false);
  child.setVisible(true);
  parent.setPosition({-3, 1, 0});
  const scene::Image moved = render();
  EXPECT_TRUE(colourNear(pixelAt(moved, child.absolutePosition()), rgba(kGreen), 1));
  EXPECT_TRUE(colourNear(pixelAt(moved, direct.absolutePosition()), kBlack, 0));
}

TEST_F(SceneObjects, AHiddenObjectVanishesWithItsChildren) {
  const scene::Image empty = render();
  auto& parent = unlit(scene_.root().emplaceChild<scene::Sphere>("parent"), kRed);
  auto& child = unlit(parent.emplaceChild<scene::Cube>("child"), kBlue);
  child.setPosition({2, 0, 0});
  const scene::Image shown = render();
  ASSERT_GT(countPixels(shown, rgba(kBlue), 1), 20);
  parent.setVisible(false);
  EXPECT_TRUE(imagesMatch(render(), empty, 0, 0, "hidden"));
  parent.setVisible(true);
  child.setVisible(false);
  const scene::Image childHidden = render();
  EXPECT_EQ(countPixels(childHidden, rgba(kBlue), 1), 0);
  EXPECT_GT(countPixels(childHidden, rgba(kRed), 1), 20);
}

TEST_F(SceneObjects, LightingFollowsTheLightSource) {
  scene_.setAmbientLight(Colour(0, 0, 0, 1));
  auto& plane = scene_.root().emplaceChild<scene::Plane>();
  plane.setSize(4, 4);
  plane.material().diffuse = Colour(0.5f, 0.25f, 1.0f, 1.0f);
  plane.material().ambient = Colour(0.2f, 0.2f, 0.2f, 1.0f);
  plane.material().emission = Colour(0.0f, 0.1f, 0.0f, 1.0f);
  auto& light = scene_.root().emplaceChild<scene::LightSource>();
  light.parallel = true;
  light.setDirection({0, 0, -1});  // shines straight onto the plane
  light.ambient = Colour(0.5f, 0.5f, 0.5f, 1.0f);
  // emission + light ambient × ambient + diffuse × 1.
  EXPECT_TRUE(colourNear(pixelAt(render(), {0, 0, 0}), rgba(Colour(0.6f, 0.45f, 1.0f, 1.0f)), 1));

  light.setDirection({1, 0, -1});  // 45°: the diffuse part falls to cos 45°
  EXPECT_TRUE(colourNear(pixelAt(render(), {0, 0, 0}),
                         rgba(Colour(0.1f + 0.5f * 0.7071f, 0.1f + 0.1f + 0.25f * 0.7071f, 0.1f + 0.7071f, 1)), 1));

  // An omni light to the right lights the right side of a sphere and leaves the left dark.
  scene_.root().removeChild(plane);
  light.parallel = false;
  light.ambient = Colour(0, 0, 0, 1);
  light.setPosition({20, 0, 0});
  auto& sphere = scene_.root().emplaceChild<scene::Sphere>();
  sphere.setRadius(2.0f);
  sphere.material().diffuse = Colour(1, 1, 1, 1);
  const scene::Image lit = render();
  EXPECT_GT(channel(pixelAt(lit, {1.5f, 0, 1.3f}), 0), 150);
  EXPECT_LT(channel(pixelAt(lit, {-1.5f, 0, 1.3f}), 0), 10);
}

TEST_F(SceneObjects, TranslucentObjectsBlendOverWhatIsBehind) {
  auto& back = unlit(scene_.root().emplaceChild<scene::Plane>(), kBlue);
  back.setSize(4, 4);
  back.setPosition({0, 0, -1});
  auto& area = unlit(scene_.root().emplaceChild<scene::Polygon>(), kRed);
  area.setNodes({{-1, -1, 0}, {1, -1, 0}, {1, 1, 0}, {-1, 1, 0}});
  area.material().setOpacity(0.25f);
  const scene::Image image = render();
  EXPECT_TRUE(colourNear(pixelAt(image, {0, 0, 0}), rgba(Colour(0.25f, 0, 0.75f, 1)), 2));
  EXPECT_TRUE(colourNear(pixelAt(image, {1.5f, 0, -1}), rgba(kBlue), 1));
}

TEST_F(SceneObjects, ARingIsOpenInTheMiddle) {
  auto& ring = unlit(scene_.root().emplaceChild<scene::Disk>(), kRed);
  ring.setRadii(1.0f, 2.0f);
  const scene::Image image = render();
  EXPECT_TRUE(colourNear(pixelAt(image, {0, 0, 0}), kBlack, 0));
  EXPECT_TRUE(colourNear(pixelAt(image, {1.5f, 0, 0}), rgba(kRed), 1));
  EXPECT_TRUE(colourNear(pixelAt(image, {0, -1.5f, 0}), rgba(kRed), 1));
  EXPECT_TRUE(colourNear(pixelAt(image, {2.3f, 0, 0}), kBlack, 0));
}

TEST_F(SceneObjects, SkyBandsColourByElevation) {
  auto& sky = scene_.root().emplaceChild<scene::SkyDome>();
  sky.bands().push_back({-90, 0, kBlue, kBlue});
  sky.bands().push_back({0, 90, kRed, Colour(1, 1, 1, 1)});
  const scene::Image image = render();
  EXPECT_TRUE(colourNear(windowPixel(image, 80, 20), rgba(kBlue), 1));
  // At the top row the view ray rises by half the field of view.
  const glm::vec3 ray = viewer_->rayFromScreen({80.5f, 119.5f}).direction;
  const float f = glm::degrees(std::asin(ray.y)) / 90.0f;
  EXPECT_TRUE(colourNear(windowPixel(image, 80, 119), rgba(glm::mix(kRed, Colour(1, 1, 1, 1), f)), 2));
  // Objects stand in front of the sky.
  unlit(scene_.root().emplaceChild<scene::Sphere>(), kGreen).setPosition({0, 1, 0});
  EXPECT_TRUE(colourNear(pixelAt(render(), {0, 1, 0}), rgba(kGreen), 1));
}

TEST_F(SceneObjects, RepeatedShapesDrawAsOneBatchLookingTheSameAsOneByOne) {
  for (int i = 0; i < 30; ++i) {
    auto& sphere = unlit(scene_.root().emplaceChild<scene::Sphere>(), Colour(0.1f * (i % 10), 0.5f, 1.0f, 1.0f));
    sphere.setRadius(0.2f);
    sphere.setPosition({-3.0f + 0.6f * static_cast<float>(i % 10), -1.0f + static_cast<float>(i / 10), 0});
  }
  auto& behind = unlit(scene_.root().emplaceChild<scene::Sphere>(), kRed);
  behind.setPosition({0, 0, 20});  // behind the camera: left out, not drawn
  const scene::Image batched = render();
  EXPECT_EQ(viewer_->lastFrameStats().batches, 1);
  EXPECT_EQ(viewer_->lastFrameStats().meshInstances, 30);
  EXPECT_EQ(viewer_->lastFrameStats().culled, 1);
  viewer_->options().batching = false;
  const scene::Image single = render();
  EXPECT_EQ(viewer_->lastFrameStats().drawCalls, 30);
  EXPECT_TRUE(imagesMatch(batched, single, 0, 0, "batched-vs-single"));
}

}  // namespace
}  // namespace velmara::test

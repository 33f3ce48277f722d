// The object under a screen point is the one drawn there.

#include "scene/geometry/Shapes.h"
#include "scene/hud/HudSprite.h"
#include "scene/objects/Cube.h"
#include "scene/objects/FreeForm.h"
#include "scene/objects/Line.h"
#include "scene/objects/Pipe.h"
#include "scene/objects/Sphere.h"
#include "scene/objects/Sprite.h"
#include "tests/scene/RenderFixture.h"

namespace velmara::test {
namespace {

using scene::Colour;

template <typename T>
T& coloured(T& object, const Colour& colour) {
  object.material().lit = false;
  object.material().diffuse = colour;
  return object;
}

class Picking : public RenderFixture {
protected:
  Picking() {
    coloured(scene_.root().emplaceChild<scene::Sphere>("sphere"), {1, 0, 0, 1}).setPosition({-3, 2, 0});
    coloured(scene_.root().emplaceChild<scene::Cube>("cube"), {0, 1, 0, 1}).setPosition({0, 2, 0});
    auto& sprite = scene_.root().emplaceChild<scene::Sprite>("sprite");
    sprite.material().texture.image = std::make_shared<const scene::Image>(scene::Image::filled(2, 2, 0x0000FFFFu));
    sprite.setPosition({3, 2, 0});
    auto& mesh = coloured(scene_.root().emplaceChild<scene::FreeForm>("mesh"), {1, 1, 0, 1});
    mesh.setParts({{std::make_shared<const scene::MeshData>(scene::shapes::sphere(10, 8)), ""}});
    mesh.setScale(0.5f);
    mesh.setPosition({-3, -2, 0});
    auto& pipe = coloured(scene_.root().emplaceChild<scene::Pipe>("pipe"), {0, 1, 1, 1});
    pipe.addNode({-1, -2, 0});
    pipe.addNode({1, -2, 0});
    auto& line = scene_.root().emplaceChild<scene::Line>("line");
    line.setColour({1, 0, 1, 1});
    line.setWidth(2.0f);
    line.addNode({2, -2, 0});
    line.addNode({4, -2, 0});
    auto& hud = scene_.root().emplaceChild<scene::HudSprite>("hud");
    hud.setScreenPosition({4, 4});
    hud.setSize({12, 12});
  }
  scene::SceneObject* pickAt(const glm::vec3& point, const scene::PickFilter& filter = {}) {
    const glm::vec3 window = viewer_->sceneToScreen(point);
    return viewer_->pick({window.x, window.y}, filter).object;
  }
};

TEST_F(Picking, FindsTheObjectDrawnUnderThePoint) {
  const scene::Image image = render();
  const struct {
    const char* name;
    glm::vec3 at;
    std::uint32_t colour;
  } cases[] = {{"sphere", {-3, 2, 0}, 0xFF0000FFu}, {"cube", {0, 2, 0}, 0x00FF00FFu},
               {"sprite", {3, 2, 0}, 0x0000FFFFu},  {"mesh", {-3, -2, 0}, 0xFFFF00FFu},
               {"pipe", {0.5f, -2, 0}, 0x00FFFFFFu}, {"line", {3, -2, 0}, 0xFF00FFFFu}};
  for (const auto& c : cases) {
    EXPECT_TRUE(colourNear(pixelAt(image, c.at), c.colour, 1)) << c.name;
    const scene::SceneObject* picked = pickAt(c.at);
    ASSERT_NE(picked, nullptr) << c.name;
    EXPECT_EQ(picked->name(), c.name);
  }
  EXPECT_EQ(pickAt({0, 0, 0}), nullptr);
  // A line picks a few pixels beside its drawn width, not further.
  EXPECT_EQ(pickAt({3, -2.2f, 0})->name(), "line");
  EXPECT_EQ(pickAt({3, -2.6f, 0}), nullptr);
  // Heads-up objects sit in front of the scene; they are placed from the top-left corner.
  EXPECT_EQ(viewer_->pick({8, static_cast<float>(kHeight) - 8}).object->name(), "hud");
}

TEST_F(Picking, TheNearestHitWinsAndHelpersCanBeLeftOut) {
  auto& front = coloured(scene_.root().emplaceChild<scene::Sphere>("front"), {1, 1, 1, 1});
  front.setPosition({0, 2 * 0.7f, 3});  // on the way from the camera to the cube
  EXPECT_EQ(pickAt({0, 2, 0})->name(), "front");

  front.setPickable(false);  // a helper
  EXPECT_EQ(pickAt({0, 2, 0})->name(), "cube");
  front.setPickable(true);
  EXPECT_EQ(pickAt({0, 2, 0}, [](const scene::SceneObject& o) { return o.name() != "front"; })->name(), "cube");

  front.setVisible(false);  // hidden objects are never hit
  EXPECT_EQ(pickAt({0, 2, 0})->name(), "cube");

  const scene::PickHit hit = viewer_->pick({80, 60});
  EXPECT_FALSE(hit);
  const glm::vec3 window = viewer_->sceneToScreen({0, 2, 0});
  const scene::PickHit cube = viewer_->pick({window.x, window.y});
  EXPECT_NEAR(cube.point.z, 0.5f, 1e-3f);  // the cube's front face
  EXPECT_NEAR(cube.distance, glm::distance(cube.point, camera_.absolutePosition()), 1e-3f);
}

}  // namespace
}  // namespace velmara::test

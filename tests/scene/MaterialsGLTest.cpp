// Textures and material modes: coordinate generation, filtering, wrapping, texture transforms,
// texture modes, the second texture, colour-keyed sprites, wire frames.

#include "scene/material/MaterialLibrary.h"
#include "scene/objects/FreeForm.h"
#include "scene/objects/Plane.h"
#include "scene/objects/Sprite.h"
#include "scene/geometry/Shapes.h"
#include "tests/scene/RenderFixture.h"

namespace velmara::test {
namespace {

using scene::Image;

std::shared_ptr<const Image> picture(int width, int height, std::initializer_list<std::uint32_t> texels) {
  Image image(width, height, std::vector<std::uint8_t>(static_cast<std::size_t>(width) * height * 4));
  int i = 0;
  for (const std::uint32_t texel : texels) {
    image.setPixel(i % width, i / width, texel);
    ++i;
  }
  return std::make_shared<const Image>(std::move(image));
}

class Materials : public RenderFixture {
protected:
  // A 4 × 4 unlit white plane facing the camera, filling the middle of the view.
  scene::Plane& addPlane() {
    auto& plane = scene_.root().emplaceChild<scene::Plane>();
    plane.setSize(4, 4);
    plane.material().lit = false;
    plane.material().diffuse = scene::Colour(1.0f);
    plane.material().texture.minFilter = scene::TextureFilter::Nearest;
    plane.material().texture.magFilter = scene::TextureFilter::Nearest;
    return plane;
  }
  // Pixel at a fraction (0 … 1, from the bottom left) across the plane.
  std::uint32_t onPlane(const Image& image, float u, float v) const {
    return pixelAt(image, {(u - 0.5f) * 4.0f, (v - 0.5f) * 4.0f, 0.0f});
  }
};

TEST_F(Materials, ObjectLinearCoordinatesLookUpAStripByHeight) {
  auto& plane = addPlane();
  auto& texture = plane.material().texture;
  // A strip of two texels, red then blue, looked up by height: s = y + 0.5 over the unit mesh.
  texture.image = picture(2, 1, {0xFF0000FFu, 0x0000FFFFu});
  texture.coordinates = scene::TexCoordSource::ObjectLinear;
  texture.planeS = {0, 1, 0, 0.5f};
  texture.planeT = {0, 0, 0, 0};
  texture.wrap = scene::TextureWrap::Clamp;
  const Image image = render();
  EXPECT_TRUE(colourNear(onPlane(image, 0.8f, 0.2f), 0xFF0000FFu, 0));
  EXPECT_TRUE(colourNear(onPlane(image, 0.2f, 0.8f), 0x0000FFFFu, 0));
}

struct TransformCase {
  const char* name;
  scene::TextureWrap wrap;
  glm::vec2 scale, offset;
  float u;
  std::uint32_t expected;
};

TEST_F(Materials, TextureScaleOffsetAndWrap) {
  // Two texels across: black | white.
  const TransformCase cases[] = {
      {"plain", scene::TextureWrap::Repeat, {1, 1}, {0, 0}, 0.3f, 0x000000FFu},
      {"scaled twice repeats", scene::TextureWrap::Repeat, {2, 1}, {0, 0}, 0.65f, 0x000000FFu},
      {"scaled twice clamps", scene::TextureWrap::Clamp, {2, 1}, {0, 0}, 0.65f, 0xFFFFFFFFu},
      {"offset half", scene::TextureWrap::Repeat, {1, 1}, {0.5f, 0}, 0.3f, 0xFFFFFFFFu},
      {"offset past the end clamps", scene::TextureWrap::Clamp, {1, 1}, {-0.9f, 0}, 0.7f, 0x000000FFu},
  };
  auto& plane = addPlane();
  plane.material().texture.image = picture(2, 1, {0x000000FFu, 0xFFFFFFFFu});
  for (const TransformCase& c : cases) {
    plane.material().texture.wrap = c.wrap;
    plane.material().texture.scale = c.scale;
    plane.material().texture.offset = c.offset;
    EXPECT_TRUE(colourNear(onPlane(render(), c.u, 0.5f), c.expected, 0)) << c.name;
  }
}

TEST_F(Materials, LinearFilteringBlendsNeighbouringTexels) {
  auto& plane = addPlane();
  plane.material().texture.image = picture(2, 1, {0x000000FFu, 0xFFFFFFFFu});
  plane.material().texture.wrap = scene::TextureWrap::Clamp;
  EXPECT_TRUE(colourNear(onPlane(render(), 0.5f, 0.5f), 0xFFFFFFFFu, 0));  // nearest: one side
  plane.material().texture.magFilter = scene::TextureFilter::Linear;
  EXPECT_TRUE(colourNear(onPlane(render(), 0.5f, 0.5f), 0x808080FFu, 6));
}

TEST_F(Materials, TextureModesAndTheSecondTexture) {
  scene::MaterialLibrary library;
  auto& plane = addPlane();
  plane.material().diffuse = {1, 0.5f, 0, 1};
  plane.material().texture.image = picture(1, 1, {0x80FF80FFu});
  plane.material().texture.mode = scene::TextureMode::Modulate;
  EXPECT_TRUE(colourNear(onPlane(render(), 0.5f, 0.5f), 0x808000FFu, 2));
  plane.material().texture.mode = scene::TextureMode::Replace;
  EXPECT_TRUE(colourNear(onPlane(render(), 0.5f, 0.5f), 0x80FF80FFu, 1));

  // A library material's second texture multiplies in.
  scene::Material& shader = library.add("shader");
  shader = plane.material();
  library.add("contrast").texture.image = picture(1, 1, {0x0000FFFFu});
  library.find("shader")->secondTexture = "contrast";
  plane.setLibraryMaterial(&library, "shader");
  EXPECT_TRUE(colourNear(onPlane(render(), 0.5f, 0.5f), 0x000080FFu, 1));
}

TEST_F(Materials, ASpriteLeavesOutItsPicturesTopLeftColour) {
  auto& sprite = scene_.root().emplaceChild<scene::Sprite>();
  sprite.setSize(4, 4);
  // Magenta border (top-left), green middle.
  auto image = Image::filled(4, 4, 0xFF00FFFFu);
  for (int y = 1; y < 3; ++y) {
    for (int x = 1; x < 3; ++x) image.setPixel(x, y, 0x00FF00FFu);
  }
  sprite.material().texture.image = std::make_shared<const Image>(image);
  sprite.material().texture.magFilter = scene::TextureFilter::Nearest;
  const Image keyedOff = render();
  EXPECT_TRUE(colourNear(pixelAt(keyedOff, {1.8f, 1.8f, 0}), 0xFF00FFFFu, 0));

  sprite.material().texture.imageAlpha = scene::ImageAlpha::TopLeftTransparent;
  const Image keyed = render();
  EXPECT_TRUE(colourNear(pixelAt(keyed, {1.8f, 1.8f, 0}), 0x000000FFu, 0));
  EXPECT_TRUE(colourNear(pixelAt(keyed, {0, 0, 0}), 0x00FF00FFu, 0));
  // It faces the camera from any side: seen from the right it looks the same.
  camera_.setPosition({10, 0, 0});
  camera_.setDirection({-1, 0, 0});
  EXPECT_TRUE(imagesMatch(render(), keyed, 0, 0, "sprite-from-the-side"));
}

TEST_F(Materials, WireFrameDrawsTheEdgesOnly) {
  auto& plane = addPlane();
  plane.material().diffuse = {1, 0, 0, 1};
  const int filled = countPixels(render(), 0xFF0000FFu, 1);
  plane.material().polygonMode = scene::PolygonMode::Lines;
  const Image lines = render();
  const int edges = countPixels(lines, 0xFF0000FFu, 1);
  EXPECT_GT(edges, 50);
  EXPECT_LT(edges, filled / 4);
  EXPECT_TRUE(colourNear(onPlane(lines, 0.25f, 0.75f), 0x000000FFu, 0));

  // The same for a mesh drawn as lines on both faces: its back is outlined too.
  plane.setVisible(false);
  auto& net = scene_.root().emplaceChild<scene::FreeForm>();
  net.material().lit = false;
  net.material().diffuse = {1, 0, 0, 1};
  net.setParts({{std::make_shared<const scene::MeshData>(scene::shapes::sphere(8, 6)), ""}});
  net.setScale(3.0f);
  const int solid = countPixels(render(), 0xFF0000FFu, 1);
  net.setDrawAsLines(true);
  const int mesh = countPixels(render(), 0xFF0000FFu, 1);
  EXPECT_GT(mesh, 50);
  EXPECT_LT(mesh, solid / 2);
}

}  // namespace
}  // namespace velmara::test

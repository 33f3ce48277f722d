// The texture combiner on the card, drawn the way a terrain renderer will draw: an object that
// issues its own geometry with a named material of a library.

#include "scene/geometry/Shapes.h"
#include "scene/material/MaterialLibrary.h"
#include "scene/render/DrawContext.h"
#include "scene/render/FrameBuilder.h"
#include "tests/scene/RenderFixture.h"

#include <algorithm>
#include <cmath>

namespace velmara::test {
namespace {

using scene::Colour;

// Draws a 4 × 4 quad of its own with a library material.
class CustomQuad : public scene::SceneObject {
public:
  CustomQuad(const scene::MaterialLibrary& library, std::string material)
      : library_(library), material_(std::move(material)),
        quad_(std::make_shared<const scene::MeshData>(scene::shapes::plane())) {
    setScale(4.0f);
  }
  void submit(scene::FrameBuilder& frame, const glm::mat4& absolute) const override {
    frame.addCustom({[this, absolute](scene::DrawContext& context) {
      const scene::Material* material = library_.find(material_);
      drawn_ = material && context.useMaterial(*material, absolute);
      if (drawn_) context.drawMesh(*quad_);
    }});
  }
  bool drawn() const { return drawn_; }

private:
  const scene::MaterialLibrary& library_;
  std::string material_;
  std::shared_ptr<const scene::MeshData> quad_;
  mutable bool drawn_ = false;
};

std::shared_ptr<const scene::Image> texel(std::uint32_t rgba) {
  return std::make_shared<const scene::Image>(scene::Image::filled(1, 1, rgba));
}

glm::vec3 levels(std::uint32_t rgba) {
  return glm::vec3(channel(rgba, 0), channel(rgba, 1), channel(rgba, 2)) / 255.0f;
}

class Combiner : public RenderFixture {
protected:
  Combiner() : quad_(scene_.root().emplaceChild<CustomQuad>(library_, "shader")) {
    scene::Material& shader = library_.add("shader");
    shader.lit = false;
    shader.texture.mode = scene::TextureMode::Replace;
    shader.texture.minFilter = scene::TextureFilter::Nearest;
  }
  scene::Material& shader() { return *library_.find("shader"); }
  std::uint32_t centre() {
    const scene::Image image = render();
    EXPECT_TRUE(quad_.drawn());
    return pixelAt(image, {0, 0, 0});
  }

  scene::MaterialLibrary library_;
  CustomQuad& quad_;
};

float dot3(const glm::vec3& a, const glm::vec3& b) {
  return std::clamp(4.0f * glm::dot(a - 0.5f, b - 0.5f), 0.0f, 1.0f);
}

struct ReliefCase {
  const char* name;
  std::uint32_t normal;  // the normal map's texel
  glm::vec3 light;       // the material's diffuse colour: the light vector
};

TEST_F(Combiner, Dot3ShadesTheNormalMapByTheLightVector) {
  const ReliefCase cases[] = {
      {"flat bottom, light from above", 0x8080FFFFu, {0.5f, 0.5f, 0.9f}},
      {"slope towards the light", 0xDA80DAFFu, {0.75f, 0.5f, 0.9f}},
      {"slope away from the light", 0x2680DAFFu, {1.0f, 0.5f, 0.9f}},
  };
  ASSERT_TRUE(shader().setCombinerLines({"Tex0:=Dot3(Tex0, PrimaryColor);"}));
  for (const ReliefCase& c : cases) {
    shader().texture.image = texel(c.normal);
    shader().diffuse = Colour(c.light, 0.0f);  // alpha 0, as the relief shading sets it
    const float shade = dot3(levels(c.normal), c.light);
    const std::uint32_t pixel = centre();
    EXPECT_TRUE(colourNear(pixel, rgba(Colour(glm::vec3(shade), 1)), 2)) << c.name << ": shade " << shade;
    EXPECT_EQ(channel(pixel, 3), 255) << "an opaque surface stays opaque in the picture";
  }
}

TEST_F(Combiner, TheFourTerrainLinesMixReliefContrastAndPalette) {
  ASSERT_TRUE(shader().setCombinerLines({"Tex0:=Dot3(Tex0, PrimaryColor);", "Tex1:=Interpolate(Tex0, Tex1, EnvCol);",
                                         "Tex2:=Tex1*Tex2;", "Tex3:=Tex2*Tex3;"}));
  shader().texture.image = texel(0x8080FFFFu);
  shader().diffuse = Colour(0.5f, 0.5f, 0.9f, 0.0f);
  shader().secondTexture = "contrast";
  shader().combinerMaterials = {"texture", "landtex"};
  scene::Material& contrast = library_.add("contrast");
  contrast.texture.environmentColour = Colour(0.6f, 0.6f, 0.6f, 1.0f);  // RGB 153
  library_.add("texture").texture.image = texel(0xFF8000FFu);            // the palette strip
  library_.add("landtex").texture.image = texel(0xFFFFFFFFu);            // white over water
  const glm::vec3 palette = levels(0xFF8000FFu);
  const float relief = dot3(levels(0x8080FFFFu), {0.5f, 0.5f, 0.9f});
  for (const int grey : {255, 3}) {  // day, night
    contrast.texture.image = texel(static_cast<std::uint32_t>(grey) * 0x01010100u | 0xFFu);
    const float lifted = relief * 0.6f + static_cast<float>(grey) / 255.0f * 0.4f;
    EXPECT_TRUE(colourNear(centre(), rgba(Colour(palette * lifted, 1)), 2)) << "contrast " << grey;
  }
}

TEST_F(Combiner, TheReducedLinesModulateByTheLandTexture) {
  ASSERT_TRUE(shader().setCombinerLines({"Tex0:=Dot3(Tex0, PrimaryColor);", " Tex1:=Tex0*Tex1", "", ""}));
  shader().texture.image = texel(0x8080FFFFu);
  shader().diffuse = Colour(0.5f, 0.5f, 0.9f, 0.0f);
  shader().secondTexture = "landtex";
  library_.add("landtex").texture.image = texel(0xC86432FFu);
  const float relief = dot3(levels(0x8080FFFFu), {0.5f, 0.5f, 0.9f});
  EXPECT_TRUE(colourNear(centre(), rgba(Colour(levels(0xC86432FFu) * relief, 1)), 2));
}

struct OperationCase {
  const char* line;
  glm::vec3 (*expected)(const glm::vec3& texel, const glm::vec3& primary, const glm::vec3& environment);
};

TEST_F(Combiner, OperationsWorkPerChannel) {
  const OperationCase cases[] = {
      {"Tex0:=Tex0*PrimaryColor", [](const glm::vec3& t, const glm::vec3& p, const glm::vec3&) { return t * p; }},
      {"Tex0:=Add(Tex0, PrimaryColor)", [](const glm::vec3& t, const glm::vec3& p, const glm::vec3&) { return t + p; }},
      {"Tex0:=AddSigned(Tex0, PrimaryColor)",
       [](const glm::vec3& t, const glm::vec3& p, const glm::vec3&) { return t + p - 0.5f; }},
      {"Tex0:=Tex0-PrimaryColor", [](const glm::vec3& t, const glm::vec3& p, const glm::vec3&) { return t - p; }},
      {"Tex0:=Replace(PrimaryColor)", [](const glm::vec3&, const glm::vec3& p, const glm::vec3&) { return p; }},
      {"Tex0:=Interpolate(Tex0, PrimaryColor, EnvCol)",
       [](const glm::vec3& t, const glm::vec3& p, const glm::vec3& e) { return t * e + p * (1.0f - e); }},
  };
  const std::uint32_t texture = 0x669933FFu;
  const glm::vec3 primary(0.5f, 0.25f, 0.75f);
  const glm::vec3 environment(0.25f, 0.5f, 0.75f);
  shader().texture.image = texel(texture);
  shader().texture.environmentColour = Colour(environment, 1);
  shader().diffuse = Colour(primary, 1);
  for (const OperationCase& c : cases) {
    ASSERT_TRUE(shader().setCombinerLines({c.line}));
    const glm::vec3 expected = glm::clamp(c.expected(levels(texture), primary, environment), 0.0f, 1.0f);
    EXPECT_TRUE(colourNear(centre(), rgba(Colour(expected, 1)), 2)) << c.line;
  }
}

}  // namespace
}  // namespace velmara::test

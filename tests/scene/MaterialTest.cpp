#include "scene/material/ImageFile.h"
#include "scene/material/MaterialLibrary.h"
#include "scene/text/Utf8.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace velmara::scene {
namespace {

TEST(MaterialLibrary, FindsMaterialsByNameWhateverTheCase) {
  MaterialLibrary library;
  Material& added = library.add("mat1");
  added.diffuse = Colour(1, 0, 0, 1);
  EXPECT_EQ(&library.add("MAT1"), &added);  // adding again gives the one there
  EXPECT_EQ(library.find("Mat1"), &added);
  EXPECT_EQ(added.name(), "mat1");
  EXPECT_EQ(added.library(), &library);
  EXPECT_EQ(library.find("mat2"), nullptr);
  EXPECT_TRUE(library.remove("MAT1"));
  EXPECT_EQ(library.size(), 0u);
}

TEST(MaterialLibrary, AssigningALookKeepsTheMaterialsPlaceInTheLibrary) {
  MaterialLibrary library;
  Material& shader = library.add("shader");
  Material look;
  look.diffuse = Colour(0.5f, 0.5f, 0.9f, 0.0f);
  shader = look;
  EXPECT_EQ(shader.diffuse, look.diffuse);
  EXPECT_EQ(shader.name(), "shader");
  EXPECT_EQ(shader.library(), &library);
  // A copy made from a library material still finds its named textures there.
  const Material copy = shader;
  EXPECT_EQ(copy.library(), &library);
}

TEST(MaterialLibrary, LoadsPicturesThroughItsLoaderFromItsFolder) {
  MaterialLibrary library;
  std::filesystem::path asked;
  library.setImageLoader([&](const std::filesystem::path& path) -> Result<Image> {
    asked = path;
    return Image::filled(2, 1, 0x336699FFu);
  });
  library.setTextureFolder("/data/textures");
  ASSERT_TRUE(library.loadTexture("detail", "detailmap.jpg"));
  EXPECT_EQ(asked, std::filesystem::path("/data/textures/detailmap.jpg"));
  const Material* detail = library.find("detail");
  ASSERT_NE(detail, nullptr);
  ASSERT_TRUE(detail->texture.active());
  EXPECT_EQ(detail->texture.image->pixel(1, 0), 0x336699FFu);

  library.setImageLoader([](const std::filesystem::path& path) { return Result<Image>::failure("no " + path.string()); });
  const Status missing = library.loadTexture("grass", "grass1A.jpg");
  EXPECT_FALSE(missing);
  EXPECT_NE(missing.error().find("grass1A.jpg"), std::string::npos);
}

TEST(Material, ABadCombinerLineLeavesTheCombinerAsItWas) {
  Material material;
  ASSERT_TRUE(material.setCombinerLines({"Tex0:=Dot3(Tex0, PrimaryColor);"}));
  const Status bad = material.setCombinerLines({"Tex0:=Dot3(Tex0);"});
  EXPECT_FALSE(bad);
  EXPECT_EQ(material.combiner.canonical(), std::vector<std::string>{"Tex0:=Dot3(Tex0, PrimaryColor)"});
}

TEST(Material, AnOpacityBelowOneBlendsButAnAlphaAloneDoesNot) {
  Material material;
  material.diffuse = Colour(0.5f, 0.5f, 0.9f, 0.0f);  // the relief shading's light vector
  EXPECT_EQ(material.blending, BlendMode::Opaque);
  material.setOpacity(0.4f);
  EXPECT_EQ(material.blending, BlendMode::Transparent);
  material.blending = BlendMode::Additive;
  material.setOpacity(0.2f);
  EXPECT_EQ(material.blending, BlendMode::Additive);
}

TEST(Image, TopLeftColourBecomesTransparent) {
  Image image = Image::filled(3, 2, 0xFF00FF80u);
  image.setPixel(1, 1, 0x00FF00FFu);
  image.setPixel(2, 0, 0xFF00FE80u);  // close is not the same
  const Image keyed = image.withTopLeftTransparent();
  EXPECT_EQ(keyed.pixel(0, 0), 0xFF00FF00u);
  EXPECT_EQ(keyed.pixel(0, 1), 0xFF00FF00u);
  EXPECT_EQ(keyed.pixel(1, 1), 0x00FF00FFu);
  EXPECT_EQ(keyed.pixel(2, 0), 0xFF00FEFFu);
  EXPECT_NE(keyed.id(), image.id());
}

TEST(ImageFile, PpmRoundTrip) {
  Image image = Image::filled(3, 2, 0x102030FFu);
  image.setPixel(2, 1, 0xA0B0C0FFu);
  const auto path = std::filesystem::temp_directory_path() / "velmara-scene-roundtrip.ppm";
  ASSERT_TRUE(writePpm(path, image));
  auto read = readPpm(path);
  std::filesystem::remove(path);
  ASSERT_TRUE(read) << read.error();
  EXPECT_EQ(read->pixels(), image.pixels());
  EXPECT_FALSE(readPpm("/nonexistent/picture.ppm"));
}

TEST(Utf8, DecodesTheDegreeSignsOfHeadings) {
  EXPECT_EQ(decodeUtf8("12.5\xC2\xBAT"), U"12.5\u00BAT");
  EXPECT_EQ(decodeUtf8("a\xFF" "b"), U"a\uFFFDb");
  EXPECT_EQ(decodeUtf8("\xE2\x80"), U"\uFFFD");
}

}  // namespace
}  // namespace velmara::scene

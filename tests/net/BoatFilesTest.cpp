#include "net/BoatFiles.h"

#include <gtest/gtest.h>

#include <string>

namespace velmara {
namespace {

TEST(BoatColourFile, ReadsUpToFiveLinesAndStopsAtTheFirstBadOne) {
  struct Case {
    const char* name;
    const char* text;
    std::vector<std::uint32_t> colours;
    int badLine;
  } cases[] = {
      {"five colours", "clRed\nclBlue\n0\n$C0C0C0\n8421504\n", {0xFF, 0xFF0000, 0, 0xC0C0C0, 0x808080}, 0},
      {"fewer lines colour fewer materials", "clWhite\r\nclLime", {0xFFFFFF, 0x00FF00}, 0},
      {"lines after the fifth are not read", "1\n2\n3\n4\n5\nnot a colour\n", {1, 2, 3, 4, 5}, 0},
      {"bad third line keeps the first two", "clRed\nclBlue\nclPink\nclBlack\n", {0xFF, 0xFF0000}, 3},
      {"an empty line is not a colour", "clRed\n\nclBlue\n", {0xFF}, 2},
      {"bad first line", "\x01\x02garbage", {}, 1},
      {"empty file", "", {}, 0},
  };
  for (const Case& c : cases) {
    const TBoatColourFile file = ReadBoatColours(c.text);
    EXPECT_EQ(file.colours, c.colours) << c.name;
    EXPECT_EQ(file.badLine, c.badLine) << c.name;
    EXPECT_EQ(file.ok(), c.badLine == 0) << c.name;
  }
}

TEST(BoatColourFile, ErrorNamesTheLineAndItsText) {
  EXPECT_EQ(ReadBoatColours("clRed\nclPink\n").error, "line 2: \"clPink\" is not a colour");
  const std::string longLine(300, 'x');
  const TBoatColourFile file = ReadBoatColours("\t\x7f" + longLine);
  EXPECT_EQ(file.error, "line 1: \"??" + std::string(38, 'x') + "...\" is not a colour");
}

TEST(BoatColourFile, MaterialsTakeTheColourAndAQuarterOfIt) {
  const std::vector<TBoatMaterialColour> defaults = BoatMaterialColours(DefaultBoatColours());
  ASSERT_EQ(defaults.size(), 5u);
  const struct {
    const char* material;
    std::uint32_t diffuse, emission;
  } expected[] = {{"mat1", 0x0000FF, 0x000040}, {"mat2", 0xFF0000, 0x400000}, {"mat3", 0, 0},
                  {"mat4", 0xC0C0C0, 0x303030}, {"mat5", 0x808080, 0x202020}};
  for (std::size_t i = 0; i < 5; ++i) {
    EXPECT_EQ(defaults[i].material, expected[i].material);
    EXPECT_EQ(defaults[i].diffuse, expected[i].diffuse) << expected[i].material;
    EXPECT_EQ(defaults[i].emission, expected[i].emission) << expected[i].material;
  }
  // A system colour is resolved for both; more than five colours colour five materials.
  const auto resolved = BoatMaterialColours({0x8000000F, 1, 2, 3, 4, 5});
  ASSERT_EQ(resolved.size(), 5u);
  EXPECT_EQ(resolved[0].diffuse, 0xF0F0F0u);
  EXPECT_EQ(resolved[0].emission, 0x3C3C3Cu);
}

void ExpectVector(const std::optional<glm::vec3>& actual, const std::optional<glm::vec3>& expected,
                  const std::string& what) {
  ASSERT_EQ(actual.has_value(), expected.has_value()) << what;
  if (!expected) return;
  EXPECT_FLOAT_EQ(actual->x, expected->x) << what;
  EXPECT_FLOAT_EQ(actual->y, expected->y) << what;
  EXPECT_FLOAT_EQ(actual->z, expected->z) << what;
}

void ExpectPlacement(const TBoatPlacement& actual, const TBoatPlacement& expected, const std::string& what) {
  ExpectVector(actual.up, expected.up, what + " up");
  ExpectVector(actual.direction, expected.direction, what + " direction");
  ExpectVector(actual.position, expected.position, what + " position");
  ExpectVector(actual.scale, expected.scale, what + " scale");
  ExpectVector(actual.fromBoatCamera, expected.fromBoatCamera, what + " from-boat camera");
  ExpectVector(actual.underBoatAnchor, expected.underBoatAnchor, what + " under-boat anchor");
}

TEST(BoatConfigFile, AppliesLinesUntilOneCannotBeRead) {
  const glm::vec3 up(0, 1, 0), dir(0, 0, -1), pos(1.5f, -2, 3), scale(0.25f, 0.5f, 1e-3f), cam(0, 2, -6),
      anchor(0, -1, 4);
  const std::string header = "Velmara boat configuration\n";
  struct Case {
    const char* name;
    std::string text;
    TBoatPlacement placement;
    int applied, stopped;
  } cases[] = {
      {"all six vectors",
       header + "0,1,0\n0, 0, -1\n 1.5 , -2, +3\n0.25,0.5,1e-3\n0,2,-6\n0,-1,4\nextra line\n",
       {up, dir, pos, scale, cam, anchor}, 6, 0},
      {"four lines set up, direction and position only", header + "0,1,0\r\n0,0,-1\r\n1.5,-2,3\r\n",
       {up, dir, pos, {}, {}, {}}, 3, 0},
      {"junk ends the reading, what came before stays", header + "0,1,0\n0,0,-1\nabc\n0.25,0.5,1e-3\n",
       {up, dir, {}, {}, {}, {}}, 2, 4},
      {"decimal comma is not read", header + "0,1,0\n0,5, 0, 1\n", {up, {}, {}, {}, {}, {}}, 1, 3},
      {"two numbers are not a vector", header + "0,1\n", {}, 0, 2},
      {"four numbers are not a vector", header + "0,1,0,1\n", {}, 0, 2},
      {"empty field", header + "0,,1\n", {}, 0, 2},
      {"non-finite number", header + "0,inf,1\n", {}, 0, 2},
      {"beyond single precision", header + "0,1e39,1\n", {}, 0, 2},
      {"empty line", header + "\n0,1,0\n", {}, 0, 2},
      {"only the unused first line", "0,1,0\n", {}, 0, 0},
      {"empty file", "", {}, 0, 0},
  };
  for (const Case& c : cases) {
    const TBoatConfigFile file = ReadBoatConfig(c.text);
    ExpectPlacement(file.placement, c.placement, c.name);
    EXPECT_EQ(file.linesApplied, c.applied) << c.name;
    EXPECT_EQ(file.stoppedAtLine, c.stopped) << c.name;
  }
}

TEST(BoatPlacement, BuiltInRowsGoByTheLowerCaseFileName) {
  const TBoatPlacement trawler{glm::vec3(0, 1, 0), glm::vec3(0, 0, 1), glm::vec3(0), glm::vec3(0.3f),
                               glm::vec3(0, 1, -4), glm::vec3(0, -0.4f, 3.8f)};
  const TBoatPlacement lobster{glm::vec3(0, 1, 0), glm::vec3(0, 0, 1), glm::vec3(0, 0.5f, 0),
                               glm::vec3(0.4f, 0.4f, 0.35f), glm::vec3(0, 0.5f, -3), glm::vec3(0, -0.5f, 3.2f)};
  const TBoatPlacement other{glm::vec3(0, 1, 0), glm::vec3(0, 0, 1), glm::vec3(0), glm::vec3(0.3f),
                             glm::vec3(0, 1, -4), glm::vec3(0, -0.5f, 2)};
  ExpectPlacement(DefaultBoatPlacement("/opt/velmara/trawler.obj"), trawler, "trawler");
  ExpectPlacement(DefaultBoatPlacement("/boats/TRAWLER.OBJ"), trawler, "upper-case trawler");
  ExpectPlacement(DefaultBoatPlacement("c:\\velmara3D\\boats\\fishingboats\\Trawler.obj"), trawler,
                  "registry path with backslashes");
  ExpectPlacement(DefaultBoatPlacement("lobster.obj"), lobster, "lobster");
  ExpectPlacement(DefaultBoatPlacement("/boats/trawler.obj.bak"), other, "other name");
  ExpectPlacement(DefaultBoatPlacement("/boats/trawler/hull.3ds"), other, "folder name does not count");

  // A configuration file, even one that reads nothing, replaces the built-in row entirely.
  ExpectPlacement(BoatPlacementFor("/boats/trawler.obj", std::nullopt), trawler, "no configuration");
  ExpectPlacement(BoatPlacementFor("/boats/trawler.obj", std::string("x\n0,1,0\n0,0,1\n0,0,0\n")),
                  {glm::vec3(0, 1, 0), glm::vec3(0, 0, 1), glm::vec3(0), {}, {}, {}}, "four-line configuration");
  ExpectPlacement(BoatPlacementFor("/boats/trawler.obj", std::string("junk")), {}, "unreadable configuration");
  EXPECT_EQ(BoatCompanionFile("/boats/my.boat/trawler.obj", ".col"), "/boats/my.boat/trawler.col");
  EXPECT_EQ(BoatCompanionFile("/boats/prawn", ".bcfg"), "/boats/prawn.bcfg");
}

TEST(BoatScale, UpUpAndResetReturnToTheModelScale) {
  const glm::vec3 model(0.3f, 0.3f, 0.3f);
  TBoatScale scale{model, model};
  scale = ScaleBoat(0, scale.base, model, 1.0f);
  EXPECT_FLOAT_EQ(scale.base.x, 0.45f);
  scale = ScaleBoat(0, scale.base, model, 2.0f);
  EXPECT_FLOAT_EQ(scale.base.y, 0.675f);
  EXPECT_FLOAT_EQ(scale.form.z, 1.35f);
  scale = ScaleBoat(2, scale.base, model, 3.0f);
  EXPECT_EQ(scale.base, model);
  EXPECT_FLOAT_EQ(scale.form.x, 0.9f);
  scale = ScaleBoat(1, glm::vec3(0.45f, 0.3f, 0.15f), model, 1.0f);
  EXPECT_FLOAT_EQ(scale.base.x, 0.3f);
  EXPECT_FLOAT_EQ(scale.base.z, 0.1f);
  // Any other mode only applies the boat scale factor again.
  scale = ScaleBoat(7, glm::vec3(0.5f), model, 2.0f);
  EXPECT_EQ(scale.base, glm::vec3(0.5f));
  EXPECT_EQ(scale.form, glm::vec3(1.0f));
}

TEST(BoatMarkers, OptionAndBottomCamera) {
  const struct {
    int option;
    bool atBottom, rings, arrow;
  } cases[] = {{0, false, false, false}, {1, false, true, false}, {2, false, false, true}, {3, false, true, true},
               {3, true, true, false},   {2, true, false, false}, {4, false, false, false}};
  for (const auto& c : cases) {
    const TBoatMarkers markers = BoatMarkers(c.option, c.atBottom);
    EXPECT_EQ(markers.rings, c.rings) << c.option << " " << c.atBottom;
    EXPECT_EQ(markers.arrow, c.arrow) << c.option << " " << c.atBottom;
  }
}

}  // namespace
}  // namespace velmara

#include "scene/material/TextureCombiner.h"

#include <gtest/gtest.h>

#include <cctype>

namespace velmara::scene {
namespace {

struct GoodCase {
  const char* name;
  std::vector<std::string> lines;
  std::vector<std::string> canonical;
  int units;
};

const GoodCase kGood[] = {
    {"relief shading",
     {"Tex0:=Dot3(Tex0, PrimaryColor);"},
     {"Tex0:=Dot3(Tex0, PrimaryColor)"},
     1},
    {"full terrain",
     {"Tex0:=Dot3(Tex0, PrimaryColor);", "Tex1:=Interpolate(Tex0, Tex1, EnvCol);", "Tex2:=Tex1*Tex2;", "Tex3:=Tex2*Tex3;"},
     {"Tex0:=Dot3(Tex0, PrimaryColor)", "Tex1:=Interpolate(Tex0, Tex1, EnvCol)", "Tex2:=Tex1*Tex2",
      "Tex3:=Tex2*Tex3"},
     4},
    {"reduced terrain, leading blank, no semicolon, emptied lines",
     {"Tex0:=Dot3(Tex0, PrimaryColor);", " Tex1:=Tex0*Tex1", "", ""},
     {"Tex0:=Dot3(Tex0, PrimaryColor)", "Tex1:=Tex0*Tex1"},
     2},
    {"case and spacing do not matter",
     {"  tex1 := modulate( previous , TEX1 ) ;  "},
     {"Tex1:=Modulate(Previous, Tex1)"},
     2},
    {"precedence and parentheses",
     {"Tex0:=Tex0+Tex0*PrimaryColor", "Tex1:=(Tex0+Tex1)*EnvCol", "Tex2:=Tex1-(Tex2-Tex1)"},
     {"Tex0:=Tex0+Tex0*PrimaryColor", "Tex1:=(Tex0+Tex1)*EnvCol", "Tex2:=Tex1-(Tex2-Tex1)"},
     3},
    {"other functions",
     {"Tex0:=Replace(Tex0)", "Tex1:=AddSigned(Tex0, Tex1)", "Tex2:=Subtract(Add(Tex1, Tex2), Col)"},
     {"Tex0:=Replace(Tex0)", "Tex1:=AddSigned(Tex0, Tex1)", "Tex2:=Subtract(Add(Tex1, Tex2), PrimaryColor)"},
     3},
};

class GoodLines : public ::testing::TestWithParam<GoodCase> {};

TEST_P(GoodLines, ParseIntoTheirCanonicalForm) {
  const GoodCase& c = GetParam();
  auto combiner = TextureCombiner::parse(c.lines);
  ASSERT_TRUE(combiner) << combiner.error();
  EXPECT_EQ(combiner->canonical(), c.canonical);
  EXPECT_EQ(combiner->unitCount(), c.units);
  EXPECT_NE(combiner->glsl().find("vec3 combined = u" + std::to_string(c.units - 1)), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(TextureCombiner, GoodLines, ::testing::ValuesIn(kGood), [](const auto& info) {
  std::string name;
  for (const char c : std::string(info.param.name)) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
  return name;
});

TEST(TextureCombiner, KnowsWhichUnitsReadTheirOwnTexture) {
  auto combiner = TextureCombiner::parse({"Tex0:=Dot3(Tex0, PrimaryColor);", "", "Tex2:=Tex0*EnvCol"});
  ASSERT_TRUE(combiner) << combiner.error();
  EXPECT_EQ(combiner->unitCount(), 3);
  EXPECT_TRUE(combiner->samples(0));
  EXPECT_FALSE(combiner->samples(1));  // no line: passes unit 0's result on
  EXPECT_FALSE(combiner->samples(2));  // reads unit 0's result, not its own texture
  EXPECT_NE(combiner->glsl().find("vec3 u1 = u0;"), std::string::npos);
}

TEST(TextureCombiner, NoLinesMeansNoCombining) {
  auto combiner = TextureCombiner::parse({"", " ;", ""});
  ASSERT_TRUE(combiner) << combiner.error();
  EXPECT_TRUE(combiner->empty());
}

struct BadCase {
  const char* name;
  std::vector<std::string> lines;
  const char* message;  // part of the error
};

const BadCase kBad[] = {
    {"unknown function", {"Tex0:=Dot4(Tex0, PrimaryColor);"}, "line 1 \"Tex0:=Dot4(Tex0, PrimaryColor);\": unknown function 'Dot4'"},
    {"wrong argument count", {"", "Tex1:=Interpolate(Tex0, Tex1);"}, "line 2 \"Tex1:=Interpolate(Tex0, Tex1);\": Interpolate takes 3 arguments, got 2"},
    {"unknown operand", {"Tex0:=Tex0*Colour2"}, "unknown operand 'Colour2'"},
    {"missing assignment", {"Tex0=Tex0"}, "expected ':=' after Tex0"},
    {"bad destination", {"Tex4:=Tex0"}, "expected a destination Tex0 … Tex3"},
    {"a later unit read early", {"Tex1:=Tex2*Tex1"}, "Tex2 is not known yet on unit 1"},
    {"unit computed twice", {"Tex0:=Tex0", "Tex0:=PrimaryColor"}, "line 2 \"Tex0:=PrimaryColor\": unit Tex0 is computed by an earlier line already"},
    {"unclosed parenthesis", {"Tex0:=(Tex0*PrimaryColor"}, "missing ')'"},
    {"trailing rubbish", {"Tex0:=Tex0 Tex0"}, "unexpected 'Tex0' at the end"},
    {"empty expression", {"Tex0:=;"}, "unexpected ';'"},
};

class BadLines : public ::testing::TestWithParam<BadCase> {};

TEST_P(BadLines, AreRefusedWithAMessageNamingTheLine) {
  const BadCase& c = GetParam();
  auto combiner = TextureCombiner::parse(c.lines);
  ASSERT_FALSE(combiner);
  EXPECT_NE(combiner.error().find(c.message), std::string::npos) << combiner.error();
}

INSTANTIATE_TEST_SUITE_P(TextureCombiner, BadLines, ::testing::ValuesIn(kBad), [](const auto& info) {
  std::string name;
  for (const char c : std::string(info.param.name)) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
  return name;
});

}  // namespace
}  // namespace velmara::scene

// Settings profiles as records and text: defaults, the sixteen-line layout, reading back, the
// lines a reader refuses, and the corrections a selected profile gets.

#include "app/settings/SettingsProfile.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>
#include <vector>

namespace velmara {
namespace {

TSettingsProfile Sample() {
  TSettingsProfile p;
  p.palettes.depth = {20, 450, "Velmara #3"};
  p.palettes.hardness = {-300, 8000, "Hard Sand"};
  p.palettes.roughness = {5, 6000, "RoughHard"};
  p.contourInterval = 25;
  p.contoursOn = false;
  p.smoothColours = false;
  p.shadingIndex = 2;
  p.dayColours = false;
  p.verticalScale = 3.5;
  p.activeKind = TPaletteSettings::Hardness;
  return p;
}

const char* const kSampleText =
    "20\n450\nVelmara #3\n"
    "-300\n8000\nHard Sand\n"
    "5\n6000\nRoughHard\n"
    "25\n0\n0\n2\n0\n3.5\n2\n";

// The sample's lines with line `number` (1-based) replaced.
std::string SampleWithLine(int number, const std::string& replacement) {
  std::vector<std::string> lines;
  std::string text = kSampleText, line;
  for (char c : text) {
    if (c == '\n') {
      lines.push_back(line);
      line.clear();
    } else {
      line += c;
    }
  }
  lines[static_cast<std::size_t>(number - 1)] = replacement;
  std::string out;
  for (const std::string& l : lines) out += l + "\n";
  return out;
}

TEST(ProfileDefaults, DependOnTheOperatingScaleOnlyInTheDepthRange) {
  for (bool inshore : {true, false}) {
    SCOPED_TRACE(inshore ? "inshore" : "deep-sea");
    const TSettingsProfile p = ProfileDefaults(inshore);
    EXPECT_EQ(p.palettes.depth, (TPaletteKindSettings{0, inshore ? 100 : 1000, "Velmara #7"}));
    EXPECT_EQ(p.palettes.hardness, (TPaletteKindSettings{0, 10000, "RoughHard"}));
    EXPECT_EQ(p.palettes.roughness, (TPaletteKindSettings{0, 10000, "RoughHard"}));
    EXPECT_EQ(p.contourInterval, 10);
    EXPECT_TRUE(p.contoursOn);
    EXPECT_TRUE(p.smoothColours);
    EXPECT_EQ(p.shadingIndex, 4);
    EXPECT_TRUE(p.dayColours);
    EXPECT_EQ(p.verticalScale, 2.0);
    EXPECT_EQ(p.activeKind, TPaletteSettings::Depth);
  }
}

TEST(PaletteSettings, KindIndexesReachTheirEntries) {
  TPaletteSettings s;
  s[TPaletteSettings::Depth].minimum = 1;
  s[TPaletteSettings::Hardness].minimum = 2;
  s[TPaletteSettings::Roughness].minimum = 3;
  EXPECT_EQ(s.depth.minimum, 1);
  EXPECT_EQ(s.hardness.minimum, 2);
  EXPECT_EQ(s.roughness.minimum, 3);
}

TEST(ProfileText, WritesSixteenLinesInTheirOrder) { EXPECT_EQ(ProfileText(Sample()), kSampleText); }

TEST(ProfileText, WritesTheVerticalScaleWithAPointWhateverTheLocale) {
  const char* german = std::setlocale(LC_ALL, "de_DE.UTF-8");
  if (!german) german = std::setlocale(LC_ALL, "de_DE");
  if (!german) GTEST_SKIP() << "no comma-decimal locale installed";
  const std::string text = ProfileText(Sample());
  const TProfileText read = ParseProfileText(text);
  std::setlocale(LC_ALL, "C");
  EXPECT_NE(text.find("\n3.5\n"), std::string::npos);
  ASSERT_TRUE(read.ok) << read.error;
  EXPECT_EQ(read.profile.verticalScale, 3.5);
}

TEST(ProfileText, ReadsBackWhatItWrote) {
  TSettingsProfile night = Sample();
  night.activeKind = TPaletteSettings::Roughness;
  night.verticalScale = 0.1;
  TSettingsProfile extremes = ProfileDefaults(false);
  extremes.palettes.depth = {-2147483647 - 1, 2147483647, "#Deep sea, with   inner blanks"};
  extremes.shadingIndex = 0;
  extremes.verticalScale = 100;
  extremes.contourInterval = 1000;
  const struct {
    const char* name;
    TSettingsProfile profile;
  } cases[] = {
      {"inshore defaults", ProfileDefaults(true)},
      {"deep-sea defaults", ProfileDefaults(false)},
      {"night, block colours, hardness active", Sample()},
      {"roughness active, fractional scale", night},
      {"extreme values", extremes},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const TProfileText read = ParseProfileText(ProfileText(c.profile));
    ASSERT_TRUE(read.ok) << read.error;
    EXPECT_EQ(read.error, "");
    EXPECT_EQ(read.profile, c.profile);
  }
}

TEST(ProfileText, ToleratesWindowsLineEndsBlanksAndLinesAfterTheLast) {
  const struct {
    const char* name;
    std::string text;
  } cases[] = {
      {"CR LF line ends",
       "20\r\n450\r\nVelmara #3\r\n-300\r\n8000\r\nHard Sand\r\n5\r\n6000\r\nRoughHard\r\n25\r\n0\r\n0\r\n2\r\n0\r\n3."
       "5\r\n2\r\n"},
      {"no final line feed", std::string(kSampleText, std::string(kSampleText).size() - 1)},
      {"blanks around values", SampleWithLine(1, "  20 ") + ""},
      {"blanks around a name", SampleWithLine(3, "\tVelmara #3  ")},
      {"lines after the sixteenth", std::string(kSampleText) + "something newer\n42\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const TProfileText read = ParseProfileText(c.text);
    ASSERT_TRUE(read.ok) << read.error;
    EXPECT_EQ(read.profile, Sample());
  }
}

TEST(ProfileText, RefusesAFileThatIsNotAProfileNamingTheLine) {
  const struct {
    const char* name;
    std::string text;
    std::string errorPart;
  } cases[] = {
      {"empty file", "", "0 of its 16 lines"},
      {"fifteen lines", std::string(kSampleText).substr(0, std::string(kSampleText).rfind('2')), "15 of its 16"},
      {"blank lines only", std::string(20, '\n'), "Line 1 "},
      {"depth minimum not a number", SampleWithLine(1, "abc"), "Line 1 (depth minimum) 'abc'"},
      {"depth maximum a fraction", SampleWithLine(2, "12.5"), "Line 2 (depth maximum)"},
      {"hardness minimum empty", SampleWithLine(4, ""), "Line 4 (hardness minimum) ''"},
      {"hardness maximum with a unit", SampleWithLine(5, "8000m"), "Line 5"},
      {"roughness minimum too large for an int", SampleWithLine(7, "99999999999"), "Line 7"},
      {"roughness maximum hexadecimal", SampleWithLine(8, "0x10"), "Line 8"},
      {"contour interval a word", SampleWithLine(10, "ten"), "Line 10 (contour interval)"},
      {"contours flag 2", SampleWithLine(11, "2"), "Line 11 (contours on or off) '2' is not 0 or 1"},
      {"smooth flag a word", SampleWithLine(12, "yes"), "Line 12"},
      {"shading not a number", SampleWithLine(13, "100%"), "Line 13 (shading level)"},
      {"day flag empty", SampleWithLine(14, ""), "Line 14"},
      {"vertical scale with a comma", SampleWithLine(15, "3,5"), "Line 15 (vertical scale) '3,5'"},
      {"vertical scale not a number", SampleWithLine(15, "nan"), "Line 15"},
      {"vertical scale infinite", SampleWithLine(15, "inf"), "Line 15"},
      {"vertical scale overflowing", SampleWithLine(15, "1e999"), "Line 15"},
      {"kind 0", SampleWithLine(16, "0"), "Line 16 (active palette kind) '0' is not a whole number from 1 to 3"},
      {"kind 4", SampleWithLine(16, "4"), "Line 16"},
      {"kind as a name", SampleWithLine(16, "depth"), "Line 16"},
      {"binary junk", std::string("\x01\xff\x00\x7f", 4) + std::string(kSampleText), "Line 1 (depth minimum) '????20'"},
      {"a very long line", SampleWithLine(2, std::string(5000, '7')), "...'"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const TProfileText read = ParseProfileText(c.text);
    EXPECT_FALSE(read.ok);
    EXPECT_NE(read.error.find(c.errorPart), std::string::npos) << read.error;
    EXPECT_LT(read.error.size(), 200u) << "the message must stay readable";
  }
}

TEST(ProfileText, NamesWithLineBreaksCannotBeWritten) {
  EXPECT_EQ(ProfileProblem(Sample()), "");
  TSettingsProfile broken = Sample();
  broken.palettes.roughness.paletteName = "Rough\nHard";
  EXPECT_NE(ProfileProblem(broken).find("roughness palette name"), std::string::npos);
  broken = Sample();
  broken.palettes.depth.paletteName = "Velmara\r";
  EXPECT_NE(ProfileProblem(broken), "");
}

TEST(CorrectProfile, ReplacesWhatTheViewCannotShow) {
  const struct {
    const char* name;
    bool inshore;
    void (*change)(TSettingsProfile&);
    void (*expect)(TSettingsProfile&);
    bool pressAuto;
  } cases[] = {
      {"nothing to correct", true, [](TSettingsProfile&) {}, [](TSettingsProfile&) {}, false},
      {"empty palette names", true,
       [](TSettingsProfile& p) {
         p.palettes.depth.paletteName = "";
         p.palettes.hardness.paletteName = "  ";
         p.palettes.roughness.paletteName = "";
       },
       [](TSettingsProfile& p) {
         p.palettes.depth.paletteName = "Velmara #7";
         p.palettes.hardness.paletteName = "RoughHard";
         p.palettes.roughness.paletteName = "RoughHard";
       },
       false},
      {"empty depth range inshore", true, [](TSettingsProfile& p) { p.palettes.depth = {300, 300, "Velmara #3"}; },
       [](TSettingsProfile& p) { p.palettes.depth = {0, 100, "Velmara #3"}; }, true},
      {"reversed depth range deep-sea", false,
       [](TSettingsProfile& p) { p.palettes.depth = {500, 20, "Velmara #3"}; },
       [](TSettingsProfile& p) { p.palettes.depth = {0, 1000, "Velmara #3"}; }, true},
      {"reversed hardness and empty roughness ranges", true,
       [](TSettingsProfile& p) {
         p.palettes.hardness.minimum = 9000;
         p.palettes.roughness.maximum = p.palettes.roughness.minimum;
       },
       [](TSettingsProfile& p) {
         p.palettes.hardness.minimum = 0;
         p.palettes.hardness.maximum = 10000;
         p.palettes.roughness.minimum = 0;
         p.palettes.roughness.maximum = 10000;
       },
       false},
      {"contour interval 0", true, [](TSettingsProfile& p) { p.contourInterval = 0; },
       [](TSettingsProfile& p) { p.contourInterval = 10; }, false},
      {"negative contour interval", true, [](TSettingsProfile& p) { p.contourInterval = -5; },
       [](TSettingsProfile& p) { p.contourInterval = 10; }, false},
      {"contour interval 1 stays", true, [](TSettingsProfile& p) { p.contourInterval = 1; },
       [](TSettingsProfile& p) { p.contourInterval = 1; }, false},
      {"shading above the list", true, [](TSettingsProfile& p) { p.shadingIndex = 7; },
       [](TSettingsProfile& p) { p.shadingIndex = 4; }, false},
      {"negative shading", true, [](TSettingsProfile& p) { p.shadingIndex = -1; },
       [](TSettingsProfile& p) { p.shadingIndex = 0; }, false},
      {"vertical scale beyond its box", true, [](TSettingsProfile& p) { p.verticalScale = 250; },
       [](TSettingsProfile& p) { p.verticalScale = 100; }, false},
      {"negative vertical scale", true, [](TSettingsProfile& p) { p.verticalScale = -2; },
       [](TSettingsProfile& p) { p.verticalScale = 0; }, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TSettingsProfile profile = Sample();
    c.change(profile);
    TSettingsProfile expected = profile;
    c.expect(expected);
    EXPECT_EQ(CorrectProfile(profile, c.inshore).depthRangeReplaced, c.pressAuto);
    EXPECT_EQ(profile, expected);
  }
}

}  // namespace
}  // namespace velmara

#include "net/ColourText.h"

#include <gtest/gtest.h>

namespace velmara {
namespace {

TEST(ColourText, ReadsNamesAndNumbers) {
  struct Case {
    const char* name;
    const char* text;
    std::optional<std::uint32_t> colour;
  } cases[] = {
      {"colour name", "clRed", 0x0000FF},
      {"name in any letter case", "CLnavy", 0x800000},
      {"system colour name", "clBtnFace", 0x8000000F},
      {"decimal", "16711680", 0xFF0000},
      {"signed decimal is a system colour", "-2147483633", 0x8000000F},
      {"hexadecimal with $", "$00C0C0C0", 0xC0C0C0},
      {"hexadecimal with 0x", "0x808080", 0x808080},
      {"surrounding blanks", "  $FF \r", 0xFF},
      {"unknown name", "clPink", std::nullopt},
      {"name without its prefix", "Red", std::nullopt},
      {"empty", "", std::nullopt},
      {"bare prefix", "cl", std::nullopt},
      {"bare $", "$", std::nullopt},
      {"trailing junk", "255x", std::nullopt},
      {"fraction", "2.5", std::nullopt},
      {"beyond 32 bits", "4294967296", std::nullopt},
      {"hex beyond 32 bits", "$1FFFFFFFF", std::nullopt},
      {"two numbers", "1 2", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(ColourFromText(c.text), c.colour) << c.name;
}

TEST(ColourText, DarkeningRoundsEachChannelHalfToEven) {
  struct Case {
    const char* name;
    std::uint32_t colour;
    int percent;
    std::uint32_t darker;
  } cases[] = {
      {"255 becomes 64 at 75 %", 0x0000FF, 75, 0x000040},
      {"each channel apart", 0xC0C0C0, 75, 0x303030},
      {"grey 128 at 75 %", 0x808080, 75, 0x202020},
      {"2 x 0.75 = 1.5 rounds to 2", 0x000002, 75, 0x000000},
      {"6 x 0.75 = 4.5 rounds to 4", 0x000006, 75, 0x000002},
      {"system colour is resolved first", 0x8000000F, 75, 0x3C3C3C},
      {"high byte is not a channel", 0x1FFFFFFF, 0, 0xFFFFFF},
      {"black stays black", 0, 75, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(DarkerColour(c.colour, c.percent), c.darker) << c.name;
}

}  // namespace
}  // namespace velmara

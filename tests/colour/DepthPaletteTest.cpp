#include "colour/DepthPalette.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace velmara {
namespace {

TDepthPalette WithBands(int count) {
  TDepthPalette palette;
  for (int i = 0; i < count; ++i)
    palette.AddSegment(i * 100, (i + 1) * 100, uint8_t(10 * i), 0, 0, uint8_t(10 * i + 9), 255, 128);
  return palette;
}

TEST(PaletteReader, TokenRules) {
  struct Case {
    const char* name;
    const char* text;
    int bands;
    int32_t z0, z1;
    TRgb start, end;
  } cases[] = {
      {"plain line", "-3000 0 0 128 -2000 0 0 255\n", 1, -3000, -2000, {0, 0, 128}, {0, 0, 255}},
      {"heights round half to even", "2.5 1 2 3 -3.5 4 5 6\n", 1, 2, -4, {1, 2, 3}, {4, 5, 6}},
      {"colours keep their low 8 bits", "0 256 257 -1 1 511 1000 300\n", 1, 0, 1, {0, 1, 255}, {255, 232, 44}},
      {"rest of the line is skipped", "0 1 2 3 4 5 6 7 8 9 10 11\n20 1 1 1 30 2 2 2\n", 2, 0, 4, {1, 2, 3}, {5, 6, 7}},
      {"words are skipped one by one", "z0= 0 red 1 2 3 4 5 6 7 deep blue\n", 1, 0, 4, {1, 2, 3}, {5, 6, 7}},
      {"a band may run over lines", "0 1 2 3\n4 5 6 7\n", 1, 0, 4, {1, 2, 3}, {5, 6, 7}},
      {"fraction where a colour goes is skipped", "0 1.5 1 2 3 4 5 6 7\n", 1, 0, 4, {1, 2, 3}, {5, 6, 7}},
      {"half band at the end is dropped", "0 1 2 3 4 5 6 7\n8 9 10\n", 1, 0, 4, {1, 2, 3}, {5, 6, 7}},
      {"huge and non-finite numbers are skipped", "1e300 nan inf 0 1 2 3 4 5 6 99999999999999999999999 7\n", 1, 0, 4,
       {1, 2, 3}, {5, 6, 7}},
      {"windows line ends", "0 1 2 3 4 5 6 7\r\n", 1, 0, 4, {1, 2, 3}, {5, 6, 7}},
      {"empty", "", 0, 0, 0, {}, {}},
      {"fewer than eight numbers", "1 2 3 4 5 6 7", 0, 0, 0, {}, {}},
  };
  for (const Case& c : cases) {
    TDepthPalette palette;
    ASSERT_EQ(palette.ReadText(c.text), c.bands) << c.name;
    if (c.bands == 0) continue;
    const TPaletteSegment s = palette.GetSegment(0);
    EXPECT_EQ(s.z0, c.z0) << c.name;
    EXPECT_EQ(s.z1, c.z1) << c.name;
    EXPECT_EQ(s.Start(), c.start) << c.name;
    EXPECT_EQ(s.End(), c.end) << c.name;
    EXPECT_EQ(s.c0[0], c.start.b) << "stored blue first: " << c.name;
  }
}

TEST(PaletteReader, MissingAndBinaryFilesReportClearly) {
  TDepthPalette palette;
  const TPaletteFileResult missing = palette.LoadFile("/nonexistent/pal9.cpt");
  EXPECT_EQ(missing.status, TPaletteFileResult::Missing);
  EXPECT_EQ(missing.message, "Missing palette file /nonexistent/pal9.cpt");

  const auto path = std::filesystem::temp_directory_path() / ("velmara-binary-" + std::to_string(::getpid()) + ".cpt");
  {
    std::ofstream out(path, std::ios::binary);
    for (int i = 0; i < 4096; ++i) out.put(static_cast<char>((i * 37) & 0xFF));
  }
  const TPaletteFileResult binary = palette.LoadFile(path.string());
  std::filesystem::remove(path);
  EXPECT_EQ(binary.status, TPaletteFileResult::Unreadable);
  EXPECT_EQ(palette.Count(), 0);
}

TEST(Palette, SpreadOverRangeTruncates) {
  TDepthPalette palette = WithBands(7);
  palette.SpreadOverRange(0, -3000);
  const int32_t z0[] = {-3000, -2572, -2143, -1715, -1286, -858, -429};
  for (int i = 0; i < 7; ++i) EXPECT_EQ(palette.GetSegment(i).z0, z0[i]) << i;
  EXPECT_EQ(palette.GetSegment(0).z1, -2572);
  EXPECT_EQ(palette.GetSegment(6).z1, 0);
}

TEST(Palette, BlendColourClampsAndRoundsHalfToEven) {
  EXPECT_EQ(BlendColour(0, 4, {0, 0, 0}, {200, 100, 4}), (TRgb{0, 0, 0}));
  EXPECT_EQ(BlendColour(1, 4, {0, 0, 0}, {200, 100, 2}), (TRgb{50, 25, 0}));  // 0.5 rounds to 0
  EXPECT_EQ(BlendColour(3, 4, {0, 0, 0}, {0, 0, 2}), (TRgb{0, 0, 2}));       // 1.5 rounds to 2
  EXPECT_EQ(BlendColour(9, 4, {0, 0, 0}, {200, 100, 4}), (TRgb{200, 100, 4}));
  EXPECT_EQ(BlendColour(-1, 4, {7, 7, 7}, {200, 100, 4}), (TRgb{7, 7, 7}));
}

TEST(Palette, StripBandsAndRemainder) {
  TDepthPalette eight = WithBands(8);
  eight.Smooth = true;
  eight.SpreadOverRange(0, -800);
  eight.BuildStrip();
  ASSERT_EQ(eight.Strip.size(), 512u);
  EXPECT_EQ(eight.Strip[0], eight.GetSegment(0).Start());
  EXPECT_EQ(eight.Strip[64], eight.GetSegment(1).Start());
  EXPECT_NE(eight.Strip[63], eight.GetSegment(0).End());  // a band's last pixel is one step short
  EXPECT_EQ(eight.ZMin, -800);
  EXPECT_EQ(eight.ZStripEnd, 0);

  TDepthPalette three = WithBands(3);
  three.SpreadOverRange(0, -300);
  three.BuildStrip();  // block colours
  for (int p = 0; p < 170; ++p) EXPECT_EQ(three.Strip[p], three.GetSegment(0).Start()) << p;
  EXPECT_EQ(three.Strip[509], three.GetSegment(2).Start());
  EXPECT_EQ(three.Strip[510], three.GetSegment(2).End());
  EXPECT_EQ(three.Strip[511], three.GetSegment(2).End());
  // Every band lands on its pixels: 300 over 510 pixels, stretched to 512.
  EXPECT_EQ(three.ZStripEnd, -300 + 301);
  EXPECT_NEAR(three.StripCoordinate(-200) * 512, 170, 0.5);
}

TEST(Palette, MoreBandsThanPixelsStillBuildsAStrip) {
  TDepthPalette many = WithBands(600);
  many.SpreadOverRange(0, -6000);
  many.BuildStrip();
  ASSERT_EQ(many.Strip.size(), 512u);
  EXPECT_GT(many.ZStripEnd, many.ZMin);
}

}  // namespace
}  // namespace velmara

#include "colour/PaletteRange.h"

#include <gtest/gtest.h>

namespace velmara {
namespace {

TDepthPalette SevenBands() {
  TDepthPalette palette;
  for (int i = 0; i < 7; ++i) palette.AddSegment(0, 0, uint8_t(i * 30), 0, 0, uint8_t(i * 30 + 20), 0, 0);
  palette.Negate = true;
  return palette;
}

TEST(PaletteRange, ValidOnlyForIntegersInOrder) {
  EXPECT_TRUE(RangeValid("0", "3000"));
  EXPECT_FALSE(RangeValid("100", "100"));
  EXPECT_FALSE(RangeValid("200", "100"));
  EXPECT_FALSE(RangeValid("1.5", "100"));
  EXPECT_FALSE(RangeValid("", "100"));
}

TEST(PaletteRange, ListsPerKindAndMode) {
  EXPECT_EQ(RangeListItems(TPaletteKind::pkDepth, true).minimum.size(), 21u);
  EXPECT_EQ(RangeListItems(TPaletteKind::pkDepth, true).maximum.front(), "1");
  EXPECT_EQ(RangeListItems(TPaletteKind::pkDepth, false).minimum[1], "5");
  EXPECT_EQ(RangeListItems(TPaletteKind::pkHardness, false).maximum.front(), "100");
  EXPECT_EQ(RangeListItems(TPaletteKind::pkRoughness, true).minimum.back(), "10000");
}

TEST(PaletteRange, ContourIntervalListGainsTheSmallStepsInshore) {
  const std::vector<std::string> deepSea = {"10", "20", "25", "50", "100", "200", "250", "500", "1000"};
  EXPECT_EQ(ContourIntervalItems(false), deepSea);
  std::vector<std::string> inshore = {"1", "2", "5"};
  inshore.insert(inshore.end(), deepSea.begin(), deepSea.end());
  EXPECT_EQ(ContourIntervalItems(true), inshore);
}

TEST(PaletteRange, RangeBoxesKeepOnlyDigitsAndBackspace) {
  for (char32_t kept : {U'0', U'5', U'9', U'\b'}) EXPECT_TRUE(RangeKeyAccepted(kept)) << int(kept);
  for (char32_t dropped : {U'-', U'.', U',', U'+', U'a', U' ', U'\r', U'\x7f', U'\u0663' /* Arabic-Indic 3 */})
    EXPECT_FALSE(RangeKeyAccepted(dropped)) << int(dropped);
}

TEST(PaletteRange, KindLabelsAndRangeHints) {
  const struct {
    TPaletteKind kind;
    const char *label, *minimum, *maximum;
  } cases[] = {
      {TPaletteKind::pkDepth, "DEPTH", "Minimum depth color range", "Maximum depth color range"},
      {TPaletteKind::pkHardness, "HARD", "Minimum hardness color range", "Maximum hardness color range"},
      {TPaletteKind::pkRoughness, "ROUGH", "Minimum roughness color range", "Maximum roughness color range"},
  };
  for (const auto& c : cases) {
    EXPECT_STREQ(PaletteKindLabel(c.kind), c.label);
    EXPECT_STREQ(RangeHints(c.kind).minimum, c.minimum);
    EXPECT_STREQ(RangeHints(c.kind).maximum, c.maximum);
  }
}

TEST(PaletteRange, DepthRangeSpreadsFromTheDeepEnd) {
  TDepthPalette palette = SevenBands();
  TPaletteRangeInput in;
  in.minimumText = "0";
  in.maximumText = "3000";
  in.smooth = true;
  const TPaletteRangeResult r = ApplyPaletteRange(palette, in);
  ASSERT_TRUE(r.applied);
  EXPECT_EQ(palette.GetSegment(0).z0, -3000);
  EXPECT_EQ(palette.GetSegment(0).z1, -2572);
  EXPECT_EQ(palette.GetSegment(6).z0, -429);
  EXPECT_EQ(palette.GetSegment(6).z1, 0);
  EXPECT_TRUE(palette.Smooth);
  EXPECT_EQ(palette.Strip.size(), 512u);
}

TEST(PaletteRange, UnitsScaleAndLakeAltitude) {
  TDepthPalette palette = SevenBands();
  TPaletteRangeInput in;
  in.minimumText = "10";
  in.maximumText = "100";
  in.heightScale = 10;
  in.unit = TDepthUnit::Feet;
  const TPaletteRangeResult feet = ApplyPaletteRange(palette, in);
  ASSERT_TRUE(feet.applied);
  EXPECT_EQ(feet.minH, -30);   // 10 ft = 3.048 m = 30 decimetres
  EXPECT_EQ(feet.maxH, -305);
  in.unit = TDepthUnit::Metres;
  in.lakeAltitude = 50;  // a lake 50 m up: depths count from its surface
  const TPaletteRangeResult lake = ApplyPaletteRange(palette, in);
  EXPECT_EQ(lake.minH, 400);   // -(10 - 50) × 10
  EXPECT_EQ(lake.maxH, -500);
}

TEST(PaletteRange, NotAppliedForEmptyOrBadRanges) {
  TDepthPalette palette = SevenBands();
  TPaletteRangeInput in;
  in.minimumText = "500";
  in.maximumText = "500";
  EXPECT_FALSE(ApplyPaletteRange(palette, in).applied);
  in.maximumText = "deep";
  EXPECT_FALSE(ApplyPaletteRange(palette, in).applied);
  EXPECT_TRUE(palette.Strip.empty());
}

TEST(PaletteRange, HardnessKeepsItsBandsAndNegatesForTheLegend) {
  TDepthPalette palette = SevenBands();
  palette.SpreadOverRange(-1, -1000);
  const int32_t before = palette.GetSegment(3).z0;
  TPaletteRangeInput in;
  in.kind = TPaletteKind::pkHardness;
  in.minimumText = "1";
  in.maximumText = "1000";
  const TPaletteRangeResult r = ApplyPaletteRange(palette, in);
  ASSERT_TRUE(r.applied);
  EXPECT_EQ(r.minH, -1);
  EXPECT_EQ(r.maxH, -1000);
  EXPECT_EQ(palette.GetSegment(3).z0, before);
}

TEST(ContourIntervals, RendererAndTracer) {
  EXPECT_EQ(RendererContourInterval(true, "50", TDepthUnit::Feet, 10), 152);
  EXPECT_EQ(RendererContourInterval(true, "5", TDepthUnit::Metres, 10), 50);
  EXPECT_EQ(RendererContourInterval(false, "50", TDepthUnit::Metres, 1), 0);
  EXPECT_EQ(RendererContourInterval(true, "x", TDepthUnit::Metres, 1), 0);
  EXPECT_EQ(TracerContourInterval("250"), 250);
  EXPECT_EQ(TracerContourInterval("2.5"), 100);
}

TEST(AutoRange, NiceSteps) {
  EXPECT_EQ(NiceStep(12, 188), 10);
  EXPECT_EQ(NiceStep(20, 100), 1);  // span 80: the powers of ten stop at 10, a tenth of that
  EXPECT_EQ(NiceStep(0, 0.5), 1);
  EXPECT_EQ(NiceStep(0, 2500), 100);
}

TEST(AutoRange, MaximumIsAStepBeyondTheDeepest) {
  struct Case {
    const char* name;
    TAutoRangeInput in;
    const char *minimum, *maximum;
  } cases[] = {
      {"deep sea", {-188, -12, 0, false, false, 1, TDepthUnit::Metres}, "10", "190"},
      {"span below a hundred", {-100, -20, 0, false, false, 1, TDepthUnit::Metres}, "20", "101"},
      {"land above the water is cut off", {-950, 120, 0, false, false, 1, TDepthUnit::Metres}, "0", "960"},
      {"no water at all", {30, 120, 0, false, false, 1, TDepthUnit::Metres}, "0", "110"},
      {"inshore decimetres", {-400, -35, 0, false, true, 10, TDepthUnit::Metres}, "3", "41"},
      {"feet", {-100, -20, 0, false, false, 1, TDepthUnit::Feet}, "60", "330"},
  };
  for (const Case& c : cases) {
    const TAutoRange range = AutoPaletteRange(c.in);
    EXPECT_EQ(range.minimumText, c.minimum) << c.name;
    EXPECT_EQ(range.maximumText, c.maximum) << c.name;
  }
}

}  // namespace
}  // namespace velmara

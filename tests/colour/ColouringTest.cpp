// Land texture, shading, light and legend.
#include <gtest/gtest.h>

#include "colour/DepthLegend.h"
#include "colour/LandTexture.h"
#include "colour/Shading.h"

namespace velmara {
namespace {

struct Samples {
  TRgbImage a{4, 4, {200, 180, 120}}, b{4, 4, {60, 120, 40}}, c{4, 4, {120, 110, 100}}, d{4, 4, {250, 250, 255}};
  const TRgbImage* all[4] = {&a, &b, &c, &d};
};

TEST(LandColour, SampleByHeightAboveTheWater) {
  Samples s;
  int next = 0;
  TLandColourPicker picker(s.all, [&](int) { return next; });
  using P = TLandColourPicker;
  struct Case {
    int d;
    P::Sample sample;
  } fixed[] = {{1, P::A}, {49, P::A}, {50, P::B}, {999, P::B}, {2000, P::C}, {9999, P::C}, {12000, P::D}};
  for (const Case& c : fixed) EXPECT_EQ(picker.Choose(c.d), c.sample) << c.d;
  // Deep-sea metres: 40 m of land is A, 900 m is B; inshore decimetres: A covers only 5 m.
  EXPECT_EQ(picker.Choose(40), P::A);
  EXPECT_EQ(picker.Choose(900), P::B);
  EXPECT_EQ(picker.Choose(60), P::B);  // 6 m inshore
}

TEST(LandColour, MixedBandsFollowTheLastSample) {
  Samples s;
  int roll = 0;
  TLandColourPicker picker(s.all, [&](int) { return roll; });
  using P = TLandColourPicker;
  picker.Choose(500);  // B
  roll = 17;
  EXPECT_EQ(picker.Choose(1200), P::B);  // after B, B stays likely
  picker.Choose(5000);                   // C clears the memory
  EXPECT_EQ(picker.Choose(1200), P::C);
  roll = 18;
  EXPECT_EQ(picker.Choose(1200), P::B);
  roll = 49;
  picker.Choose(20000);                  // D
  EXPECT_EQ(picker.Choose(11000), P::C);
  roll = 50;
  picker.Choose(20000);
  EXPECT_EQ(picker.Choose(11000), P::D);
  picker.Choose(5000);
  EXPECT_EQ(picker.Choose(11000), P::C);  // without D before, only above 50 gives D
  roll = 51;
  EXPECT_EQ(picker.Choose(11000), P::D);
}

TEST(LandTexture, LandAndWaterPasses) {
  // A 4 × 4 grid: the west half land, one cell exactly at the water level, the rest water.
  const int16_t grid[16] = {100, 100, 100, 100, 100, 100, 0, 100, -50, -50, -50, -50, -150, -150, -150, -150};
  Samples s;
  TLandColourPicker picker(s.all, [](int) { return 0; });
  TDepthPalette palette;
  palette.AddSegment(-200, -100, 0, 0, 100, 0, 0, 200);
  palette.AddSegment(-100, 0, 0, 100, 0, 0, 200, 0);
  TRgbImage picture;
  BuildLandTexture(picture, grid, 4, 0, TLandPass::Land, picker, palette);
  const TRgb white{255, 255, 255};
  EXPECT_EQ(picture.At(0, 0), s.b.At(0, 0));  // x 0, northern row
  EXPECT_EQ(picture.At(1, 1), white);          // grid (1, 2) lies at the water level
  EXPECT_EQ(picture.At(2, 0), white);          // water stays white on the land pass
  BuildLandTexture(picture, grid, 4, 0, TLandPass::Water, picker, palette);
  EXPECT_EQ(picture.At(2, 0), (TRgb{0, 100, 0}));  // -50 lies in the second band (block colours)
  EXPECT_EQ(picture.At(3, 3), (TRgb{0, 0, 100}));
  EXPECT_EQ(picture.At(1, 1), white);
  EXPECT_EQ(picture.At(0, 0), s.b.At(0, 0));  // land kept
  EXPECT_EQ(ColourAtHeight(palette, -500, 0), (TRgb{0, 0, 100}));  // deeper than every band: the first
  EXPECT_EQ(ColourAtHeight(palette, 5, 10), (TRgb{0, 100, 0}));    // above every band, under a lake: the last
}

TEST(LandTexture, CoordinatesSpanTheWindow) {
  const TLandTexGen gen = LandTextureCoordinates(-512, 511, -511, 1024, 32);
  const double shift = 512.0 * 32 / (1023.0 * 1023.0);
  EXPECT_NEAR(gen.Sx * -512 + gen.S0, -shift, 1e-12);
  EXPECT_NEAR(gen.Sx * 511 + gen.S0, 1 - shift, 1e-12);
  EXPECT_NEAR(gen.Ty * -511 + gen.T0, -shift, 1e-12);
}

TEST(Shading, LevelsAndPaths) {
  EXPECT_EQ(ShadingNormalScale(3, 64), 32);
  EXPECT_EQ(ShadingNormalScale(0, 32), 0);
  EXPECT_EQ(ShadingNormalScale(4, 64), 64);
  EXPECT_EQ(TexturingPathFor(8), TTexturingPath::Full);
  EXPECT_EQ(TexturingPathFor(3), TTexturingPath::Reduced);
  EXPECT_EQ(TexturingPathFor(1), TTexturingPath::Plain);
  const TTerrainMaterials full = TerrainMaterialsFor(TTexturingPath::Full, TPaletteKind::pkDepth);
  EXPECT_EQ(full.combinerLines[0], "Tex0:=Dot3(Tex0, PrimaryColor);");
  EXPECT_EQ(full.combinerLines[3], "Tex3:=Tex2*Tex3;");
  EXPECT_EQ(full.combinerThird, "texture");
  EXPECT_EQ(full.combinerFourth, "landtex");
  const TTerrainMaterials reduced = TerrainMaterialsFor(TTexturingPath::Reduced, TPaletteKind::pkDepth);
  EXPECT_EQ(reduced.shaderSecondTexture, "landtex");
  EXPECT_EQ(reduced.combinerLines[1], " Tex1:=Tex0*Tex1");
  EXPECT_TRUE(reduced.combinerLines[2].empty());
  EXPECT_EQ(reduced.normalScale, 32);
  EXPECT_EQ(TerrainMaterialsFor(TTexturingPath::Plain, TPaletteKind::pkDepth).rendererMaterial, "landtex");
  const TTerrainMaterials hard = TerrainMaterialsFor(TTexturingPath::Full, TPaletteKind::pkHardness);
  EXPECT_EQ(hard.combinerThird, "detail");
  EXPECT_EQ(hard.combinerFourth, "hard");
  // Without four units the hardness or roughness picture takes the land texture's place.
  EXPECT_EQ(TerrainMaterialsFor(TTexturingPath::Reduced, TPaletteKind::pkRoughness).shaderSecondTexture, "rough");
  EXPECT_EQ(TerrainMaterialsFor(TTexturingPath::Plain, TPaletteKind::pkHardness).rendererMaterial, "hard");
}

TEST(Light, AngleOf180PutsTheMarkerSouthAndTheLampNorth) {
  TLight light;
  const double theta = light.SetLightAngle(0, 0);  // the stored 180, passed as 180 - 180
  EXPECT_EQ(light.LightAngle, 180);
  const TLightSetup setup = LightSetupFor(theta, {0, 0, 0}, 0);
  EXPECT_EQ(setup.marker.x, 0);
  EXPECT_EQ(setup.marker.z, -500);
  EXPECT_EQ(setup.source.x, 0);
  EXPECT_EQ(setup.source.z, 500);
  // The marker faces the boat: the light vector points north.
  EXPECT_FLOAT_EQ(setup.shaderDiffuse[0], 0.5f);
  EXPECT_FLOAT_EQ(setup.shaderDiffuse[1], 1.0f);
  EXPECT_FLOAT_EQ(setup.shaderDiffuse[2], 0.9f);
  EXPECT_FLOAT_EQ(setup.shaderDiffuse[3], 0.0f);
}

TEST(Light, HeadingLightAddsTheBoatsHeading) {
  TLight light;
  light.HeadingLight = true;
  EXPECT_EQ(light.SetLightAngle(90, 200.7), 200 + 270 - 360);
  EXPECT_EQ(light.DirectionAngle(100, true), 270 + 100 - 360);
}

TEST(LightDialog, OpenBoatDefaultAndExit) {
  TLight light;
  TLightDialogLogic dialog(light);
  dialog.Open();
  EXPECT_EQ(dialog.SliderPosition, 0);
  EXPECT_EQ(light.LightAngle, 180);  // unchanged
  dialog.ChooseBoat();
  EXPECT_EQ(light.LightAngle, 360);
  EXPECT_EQ(dialog.SliderPosition, 180);
  EXPECT_EQ(dialog.AngleText, "180");
  dialog.SetAngle(360);
  EXPECT_EQ(dialog.SliderPosition, 0);
  dialog.Exit();
  EXPECT_FALSE(light.HeadingLight);
  EXPECT_EQ(light.LightAngle, 180);
  dialog.Default();
  EXPECT_TRUE(light.HeadingLight);
  EXPECT_EQ(dialog.SliderPosition, 180);
  EXPECT_EQ(dialog.SunAngle, 0);
}

TEST(DayNight, ContrastAndColours) {
  EXPECT_EQ(ContrastFor(true).picture, (TRgb{3, 3, 3}));
  EXPECT_EQ(ContrastFor(true).environment, (TRgb{153, 153, 153}));
  EXPECT_EQ(ContrastFor(false).picture, (TRgb{255, 255, 255}));
  EXPECT_FLOAT_EQ(DayNightColours(false).lightAmbient[0], 0.95f);
  EXPECT_FLOAT_EQ(DayNightColours(true).sky[2].stopColour[0], 0.0f);
  EXPECT_FLOAT_EQ(DayNightColours(false).sky[1].stopColour[1], 0.858824f);
  EXPECT_TRUE(PanelSchemeDark(2, true));
  EXPECT_FALSE(PanelSchemeDark(3, false));
  EXPECT_TRUE(PanelSchemeDark(0, false));
  EXPECT_FALSE(PanelSchemeDark(0, true));
}

TDepthPalette SpreadPalette(int bands, int maximum) {
  TDepthPalette palette;
  for (int i = 0; i < bands; ++i) palette.AddSegment(0, 0, uint8_t(i * 20), 10, 10, uint8_t(i * 20 + 10), 20, 20);
  palette.Negate = true;
  palette.SpreadOverRange(0, -maximum);
  return palette;
}

TEST(DepthLegend, BandsLabelsAndBoxes) {
  const TDepthPalette palette = SpreadPalette(7, 3000);
  TLegendInput in;
  in.palette = &palette;
  in.height = 223;
  in.legendTop = 40;
  const TLegendLayout layout = DepthLegendLayout(in);
  EXPECT_EQ(layout.bandHeight, 31);
  ASSERT_EQ(layout.labels.size(), 6u);
  const char* texts[] = {"429", "858", "1286", "1715", "2143", "2572"};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(layout.labels[i].text, texts[i]);
  EXPECT_EQ(layout.bands.front().bottom, palette.GetSegment(6).Start());  // shallowest on top
  EXPECT_EQ(layout.bands.front().top, palette.GetSegment(6).Start());     // block colours: flat
  EXPECT_EQ(layout.ticks.front(), 31);
  EXPECT_EQ(layout.maxBoxTop, 40 + 1 + 7 * 31 - 10);
  EXPECT_EQ(layout.minBoxTop, 40 - 10);

  in.unit = TDepthUnit::Feet;
  EXPECT_EQ(DepthLegendLayout(in).labels[0].text, "1407");
  in.kind = TPaletteKind::pkHardness;
  EXPECT_EQ(DepthLegendLayout(in).labels[0].text, "429");  // plain values
}

TEST(DepthLegend, TwelveBandsLabelEveryOther) {
  const TDepthPalette palette = SpreadPalette(12, 1200);
  TLegendInput in;
  in.palette = &palette;
  in.height = 300;
  const TLegendLayout layout = DepthLegendLayout(in);
  ASSERT_EQ(layout.labels.size(), 5u);  // bands 10, 8, 6, 4, 2
  EXPECT_EQ(layout.labels[0].text, "200");
  EXPECT_EQ(layout.labels[4].text, "1000");
  TDepthPalette smooth = palette;
  smooth.Smooth = true;
  in.palette = &smooth;
  const TLegendLayout gradient = DepthLegendLayout(in);
  EXPECT_EQ(gradient.bands[0].top, smooth.GetSegment(11).End());
  EXPECT_NE(gradient.bands[0].top, gradient.bands[0].bottom);
  in.palette = nullptr;
  EXPECT_TRUE(DepthLegendLayout(in).empty);
}

}  // namespace
}  // namespace velmara

// The palettes and pictures that ship in data/: every palette reads and renders its strip, the
// land samples load, and the land texture of a sample sea bed comes out. The pictures are written
// to colour-pictures/ in the build folder for a person to look at.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "colour/PaletteFiles.h"
#include "colour/PaletteRange.h"
#include "colour/PictureFiles.h"
#include "terrain/RasterFile.h"

namespace velmara {
namespace {

const std::filesystem::path Data = VELMARA_DATA_DIR;
const std::filesystem::path Out = "colour-pictures";

TEST(ShippedPalettes, EveryPaletteReadsAndRendersItsStrip) {
  std::filesystem::create_directories(Out);
  TRgbImage sheet(512, 8 * 24);
  for (int n = 0; n < 8; ++n) {
    TDepthPalette palette;
    const TPaletteFileResult read = palette.LoadFile((Data / ("pal" + std::to_string(n) + ".cpt")).string());
    ASSERT_TRUE(read.ok()) << read.message;
    EXPECT_GE(palette.Count(), 6) << n;
    palette.Negate = true;
    TPaletteRangeInput in;
    in.minimumText = "0";
    in.maximumText = "500";
    in.smooth = true;
    ASSERT_TRUE(ApplyPaletteRange(palette, in).applied);
    for (int y = 0; y < 22; ++y)
      for (int x = 0; x < 512; ++x) sheet.Set(x, n * 24 + y, palette.Strip[x]);
  }
  EXPECT_TRUE(SaveRgbImage(sheet, (Out / "palettes.png").string()));
}

TEST(ShippedPictures, LandTextureOfASampleSeaBed) {
  const char* names[] = {"grass1A.jpg", "grass1B.jpg", "rock1C.jpg", "snow1D.jpg"};
  TRgbImage samples[4];
  const TRgbImage* pointers[4];
  for (int i = 0; i < 4; ++i) {
    auto picture = LoadRgbImage((Data / "textures" / names[i]).string());
    ASSERT_TRUE(picture) << names[i];
    samples[i] = *picture;
    pointers[i] = &samples[i];
  }
  ASSERT_TRUE(LoadRgbImage((Data / "textures" / "detailmap.jpg").string()));

  std::vector<int16_t> grid(std::size_t(RasterSide) * RasterSide);
  ASSERT_EQ(ReadRaster(grid.data(), (Data / "myIS5nmRaster.dat").string()).Result, TRasterResult::Read);
  TDepthPalette palette;
  ASSERT_TRUE(palette.LoadFile((Data / "pal6.cpt").string()).ok());
  palette.Negate = true;
  TPaletteRangeInput in;
  in.minimumText = "0";
  in.maximumText = "250";
  in.heightScale = 10;
  in.smooth = true;
  ASSERT_TRUE(ApplyPaletteRange(palette, in).applied);

  std::mt19937 random(5);
  TLandColourPicker picker(pointers, [&](int n) { return int(random() % unsigned(n)); });
  TRgbImage texture;
  BuildLandTexture(texture, grid.data(), RasterSide, 0, TLandPass::Land, picker, palette);
  BuildLandTexture(texture, grid.data(), RasterSide, 0, TLandPass::Water, picker, palette);
  // The fjord's deep water and the mainland's grass both show.
  EXPECT_NE(texture.At(1000, 1023 - 500), (TRgb{255, 255, 255}));
  EXPECT_TRUE(SaveRgbImage(texture, (Out / "landtexture-scene2.png").string()));
}

}  // namespace
}  // namespace velmara

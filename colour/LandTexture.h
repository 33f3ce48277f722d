#pragma once
// The land texture of the terrain: tiled sample pictures of sand, grass, rock and snow by height
// above the water, and (on graphics cards without enough texture units) the palette's colours
// over the water. One picture pixel per grid cell; picture row 0 is the northern grid row.

#include <cstdint>
#include <functional>
#include <vector>

#include "colour/DepthPalette.h"

namespace velmara {

struct TRgbImage {
  int width = 0, height = 0;
  std::vector<TRgb> pixels;  // row by row from the top

  TRgbImage() = default;
  TRgbImage(int w, int h, TRgb fill = {}) : width(w), height(h), pixels(std::size_t(w) * h, fill) {}
  TRgb At(int x, int y) const { return pixels[std::size_t(y) * width + x]; }
  void Set(int x, int y, TRgb c) { pixels[std::size_t(y) * width + x] = c; }
};

// Picks the sample for ground d = h - water level (stored units) above the water. The mixed
// height bands draw by chance, and remember the last sample so that they come out in patches.
class TLandColourPicker {
public:
  enum Sample { A, B, C, D };
  // `random(n)` gives a uniform integer 0 ... n - 1.
  TLandColourPicker(const TRgbImage* samples[4], std::function<int(int)> random);

  Sample Choose(int d);
  TRgb LandColour(int h, int x, int y, int waterLevel);
  bool LastWasB = false, LastWasD = false;

private:
  const TRgbImage* samples_[4];
  std::function<int(int)> random_;
};

// The colour of the first band reaching `value` (or the last band), blended within the band when
// the palette is smooth; white without bands.
TRgb BandColour(const TDepthPalette& palette, int value);
// White at or above the water; below it the colour of the first depth band reaching h (or the last).
TRgb ColourAtHeight(const TDepthPalette& palette, int h, int waterLevel);

enum class TLandPass { Land, Water };
// grid[x * n + y]; the land pass fills the picture white and paints the land, the water pass
// paints the water cells (a cell exactly at the water level stays as it is).
void BuildLandTexture(TRgbImage& picture, const int16_t* grid, int n, int waterLevel, TLandPass pass,
                      TLandColourPicker& picker, const TDepthPalette& palette);

// Object-linear texture coordinates of the land texture on a tile's grid coordinates (x, y):
// s = Sx·x + S0, t = Ty·y + T0.
struct TLandTexGen {
  double Sx = 0, S0 = 0, Ty = 0, T0 = 0;
};
TLandTexGen LandTextureCoordinates(int left, int right, int bottom, int gridSize, int tileSize);

}  // namespace velmara

#include "colour/LandTexture.h"

namespace velmara {

TLandColourPicker::TLandColourPicker(const TRgbImage* samples[4], std::function<int(int)> random)
    : random_(std::move(random)) {
  for (int i = 0; i < 4; ++i) samples_[i] = samples[i];
}

TLandColourPicker::Sample TLandColourPicker::Choose(int d) {
  Sample sample;
  if (d < 50) sample = A;
  else if (d < 1000) sample = B;
  else if (d < 1500) sample = LastWasB ? (random_(20) < 18 ? B : C) : (random_(20) < 18 ? C : B);
  else if (d < 2000) sample = random_(20) < 15 ? C : B;
  else if (d < 10000) sample = C;
  else if (d < 12000) sample = LastWasD ? (random_(60) < 50 ? C : D) : (random_(60) > 50 ? D : C);
  else sample = D;
  if (sample == B) LastWasB = true;
  if (sample == C) LastWasB = LastWasD = false;
  if (sample == D) LastWasD = true;
  return sample;
}

TRgb TLandColourPicker::LandColour(int h, int x, int y, int waterLevel) {
  const TRgbImage& picture = *samples_[Choose(h - waterLevel)];
  return picture.At(x % picture.width, y % picture.height);
}

TRgb BandColour(const TDepthPalette& palette, int value) {
  if (palette.Segments.empty()) return {255, 255, 255};
  const TPaletteSegment* band = &palette.Segments.back();
  for (const TPaletteSegment& s : palette.Segments)
    if (s.z1 >= value) {
      band = &s;
      break;
    }
  return palette.Smooth ? BlendColour(value - band->z0, band->z1 - band->z0, band->Start(), band->End()) : band->Start();
}

TRgb ColourAtHeight(const TDepthPalette& palette, int h, int waterLevel) {
  if (h >= waterLevel) return {255, 255, 255};
  return BandColour(palette, h);
}

void BuildLandTexture(TRgbImage& picture, const int16_t* grid, int n, int waterLevel, TLandPass pass,
                      TLandColourPicker& picker, const TDepthPalette& palette) {
  if (picture.width != n || picture.height != n) picture = TRgbImage(n, n);
  if (pass == TLandPass::Land) std::fill(picture.pixels.begin(), picture.pixels.end(), TRgb{255, 255, 255});
  for (int r = 0; r < n; ++r) {
    const int y = n - 1 - r;
    for (int x = 0; x < n; ++x) {
      const int h = grid[std::size_t(x) * n + y];
      if (pass == TLandPass::Land && h > waterLevel) picture.Set(x, r, picker.LandColour(h, x, r, waterLevel));
      if (pass == TLandPass::Water && h <= waterLevel) picture.Set(x, r, ColourAtHeight(palette, h, waterLevel));
    }
  }
}

TLandTexGen LandTextureCoordinates(int left, int right, int bottom, int gridSize, int tileSize) {
  const double d = right - left;
  const double shift = (gridSize / 2) * double(tileSize) / (d * d);
  return {1.0 / d, -left / d - shift, 1.0 / d, -bottom / d - shift};
}

}  // namespace velmara

#include "colour/SeabedTexture.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace velmara {
namespace {

// Spreads raw readings (0 ... reference and beyond) over the value span, negated.
int32_t Spread(long long raw, long long reference) {
  if (reference <= 0) return 0;
  const long long clipped = std::min(raw, reference);
  return -static_cast<int32_t>(std::llround(double(clipped) * SeabedValueSpan / double(reference)));
}

std::vector<int32_t> HardnessStandIn(const int16_t* grid, int n, int waterLevel) {
  const std::size_t cells = std::size_t(n) * n;
  int lowest = waterLevel;
  for (std::size_t i = 0; i < cells; ++i) lowest = std::min<int>(lowest, grid[i]);
  std::vector<int32_t> values(cells, 0);
  for (std::size_t i = 0; i < cells; ++i)
    if (grid[i] < waterLevel) values[i] = Spread(waterLevel - grid[i], waterLevel - lowest);
  return values;
}

std::vector<int32_t> RoughnessStandIn(const int16_t* grid, int n, int waterLevel) {
  const std::size_t cells = std::size_t(n) * n;
  std::vector<int32_t> relief(cells, 0);
  std::vector<int32_t> water;
  water.reserve(cells);
  for (int x = 0; x < n; ++x)
    for (int y = 0; y < n; ++y) {
      const int h = grid[std::size_t(x) * n + y];
      if (h >= waterLevel) continue;
      int step = 0;
      for (int nx = std::max(0, x - 1); nx <= std::min(n - 1, x + 1); ++nx)
        for (int ny = std::max(0, y - 1); ny <= std::min(n - 1, y + 1); ++ny)
          step = std::max(step, std::abs(h - grid[std::size_t(nx) * n + ny]));
      relief[std::size_t(x) * n + y] = step;
      water.push_back(step);
    }
  if (water.empty()) return relief;
  // A few cliffs should not leave the rest of the bed looking smooth: the 99th percentile of the
  // steps is the top of the span, and steeper cells take the end value.
  const auto top = water.begin() + static_cast<std::ptrdiff_t>((water.size() - 1) * 99 / 100);
  std::nth_element(water.begin(), top, water.end());
  const int32_t reference = std::max<int32_t>(*top, 1);
  for (int32_t& value : relief) value = Spread(value, reference);
  return relief;
}

}  // namespace

const char* StandInHint(TPaletteKind kind) {
  switch (kind) {
    case TPaletteKind::pkHardness:
      return "Hardness drawn from the depths (deeper is harder) until the sounder sends hardness readings";
    case TPaletteKind::pkRoughness:
      return "Roughness drawn from the steepness of the bed until the sounder sends roughness readings";
    case TPaletteKind::pkDepth: break;
  }
  return "";
}

std::vector<int32_t> SeabedStandIn(TSeabedQuantity quantity, const int16_t* grid, int n, int waterLevel) {
  return quantity == TSeabedQuantity::Hardness ? HardnessStandIn(grid, n, waterLevel) : RoughnessStandIn(grid, n, waterLevel);
}

void PaintSeabed(TRgbImage& picture, const int16_t* grid, int n, int waterLevel, const std::vector<int32_t>& values,
                 const TDepthPalette& palette) {
  if (picture.width != n || picture.height != n) picture = TRgbImage(n, n, TRgb{255, 255, 255});
  for (int r = 0; r < n; ++r) {
    const int y = n - 1 - r;
    for (int x = 0; x < n; ++x) {
      const std::size_t cell = std::size_t(x) * n + y;
      if (grid[cell] < waterLevel) picture.Set(x, r, BandColour(palette, values[cell]));
    }
  }
}

}  // namespace velmara

// The stand-in hardness and roughness values from the heights, and their pictures.

#include "colour/SeabedTexture.h"

#include <gtest/gtest.h>

namespace velmara {
namespace {

// grid[x * n + y] from rows given north first, as the picture shows them.
std::vector<int16_t> Grid(const std::vector<std::vector<int16_t>>& rowsFromNorth) {
  const int n = static_cast<int>(rowsFromNorth.size());
  std::vector<int16_t> grid(std::size_t(n) * n);
  for (int r = 0; r < n; ++r)
    for (int x = 0; x < n; ++x) grid[std::size_t(x) * n + (n - 1 - r)] = rowsFromNorth[r][x];
  return grid;
}

int32_t At(const std::vector<int32_t>& values, int n, int x, int rowFromNorth) {
  return values[std::size_t(x) * n + (n - 1 - rowFromNorth)];
}

TEST(SeabedStandIn, HardnessFollowsTheDepthBelowTheWater) {
  const std::vector<int16_t> grid = Grid({{30, 10, 10}, {10, -20, -40}, {-10, -30, -40}});
  const std::vector<int32_t> hard = SeabedStandIn(TSeabedQuantity::Hardness, grid.data(), 3, 10);
  struct Case {
    int x, row;
    int32_t value;
  } cases[] = {
      {0, 0, 0},        // land
      {1, 0, 0},        // at the water level: no reading
      {2, 1, -10000},   // the deepest cell: the far end of the span
      {1, 2, -8000},    // 40 of 50 below the water
      {0, 2, -4000},
  };
  for (const Case& c : cases) EXPECT_EQ(At(hard, 3, c.x, c.row), c.value) << c.x << "," << c.row;
}

TEST(SeabedStandIn, RoughnessIsTheLocalReliefAndAFewCliffsDoNotFlattenTheRest) {
  // A ramp falling 10 a column, with one pit 1000 deep: 9 of 900 cells touch the pit.
  constexpr int N = 30;
  std::vector<int16_t> grid(std::size_t(N) * N);
  for (int x = 0; x < N; ++x)
    for (int y = 0; y < N; ++y) grid[std::size_t(x) * N + y] = static_cast<int16_t>(-100 - 10 * x);
  grid[std::size_t(15) * N + 15] -= 1000;
  const std::vector<int32_t> rough = SeabedStandIn(TSeabedQuantity::Roughness, grid.data(), N, 0);
  EXPECT_EQ(rough[std::size_t(3) * N + 3], -10000) << "the ramp's steps are the top of the span";
  EXPECT_EQ(rough[std::size_t(15) * N + 15], -10000) << "the pit is clipped to the end";

  // A flat bed beside a rock: only the cells touching the rock have relief; land takes no value.
  const std::vector<int16_t> flat = Grid({{5, -50, -50}, {-50, -50, -50}, {-50, -50, -50}});
  const std::vector<int32_t> calm = SeabedStandIn(TSeabedQuantity::Roughness, flat.data(), 3, 0);
  EXPECT_EQ(At(calm, 3, 0, 0), 0);
  EXPECT_EQ(At(calm, 3, 1, 1), -10000);
  EXPECT_EQ(At(calm, 3, 2, 2), 0);
}

TEST(SeabedStandIn, NoWaterGivesNoValues) {
  const std::vector<int16_t> grid = Grid({{10, 20}, {30, 40}});
  for (TSeabedQuantity quantity : {TSeabedQuantity::Hardness, TSeabedQuantity::Roughness})
    for (int32_t value : SeabedStandIn(quantity, grid.data(), 2, 0)) EXPECT_EQ(value, 0);
}

TEST(SeabedTexture, WaterTakesThePaletteColourOfItsValueAndTheLandIsKept) {
  TDepthPalette palette;  // spread as the tool bar spreads it: bands from -10000 to 0
  palette.AddSegment(0, 0, 200, 0, 0, 200, 0, 0);
  palette.AddSegment(0, 0, 0, 200, 0, 0, 200, 0);
  palette.SpreadOverRange(0, -10000);
  const std::vector<int16_t> grid = Grid({{50, 0}, {-10, -100}});
  const std::vector<int32_t> values = SeabedStandIn(TSeabedQuantity::Hardness, grid.data(), 2, 0);
  const TRgb land{1, 2, 3};
  TRgbImage picture(2, 2, land);
  PaintSeabed(picture, grid.data(), 2, 0, values, palette);
  EXPECT_EQ(picture.At(0, 0), land);
  EXPECT_EQ(picture.At(1, 0), land) << "a cell at the water level has no reading";
  EXPECT_EQ(picture.At(0, 1), (TRgb{0, 200, 0})) << "shallow: the soft end";
  EXPECT_EQ(picture.At(1, 1), (TRgb{200, 0, 0})) << "deepest: the hard end";
}

}  // namespace
}  // namespace velmara

#include "terrain/NormalMap.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/terrain/NormalMapReference.h"
#include "tests/terrain/TerrainFixtures.h"

namespace velmara {
namespace {

TEST(MakeNormalMap, MatchesTheFormulaExactly) {
  for (const auto& [n, scale] : {std::pair{64, 64}, std::pair{1024, 32}}) {
    std::vector<int16_t> grid = test::RollingBed(n, 7, -3000, 400);
    grid[5] = -32000;  // one steep spike, so the slopes clamp
    const auto [minIt, maxIt] = std::minmax_element(grid.begin(), grid.end());
    std::vector<uint32_t> normals(grid.size());
    MakeNormalMap(grid.data(), n, scale, *minIt, *maxIt, normals.data());
    EXPECT_EQ(normals, test::ReferenceNormals(grid.data(), n, scale, *minIt, *maxIt)) << n;
  }
}

TEST(MakeNormalMap, FlatGridIsShadedFlat) {
  const std::vector<int16_t> grid(16 * 16, -250);
  std::vector<uint32_t> normals(grid.size());
  MakeNormalMap(grid.data(), 16, 64, -250, -250, normals.data());
  EXPECT_EQ(normals, std::vector<uint32_t>(grid.size(), PackRgba(128, 128, 255, 255)));
}

TEST(MakeNormalMap, SlopeEastAndNorthShowInRedAndGreen) {
  // Heights rise to the east (x): red above 128; green stays 128 away from the wrapping row.
  constexpr int n = 8;
  std::vector<int16_t> grid(n * n);
  for (int x = 0; x < n; ++x)
    for (int y = 0; y < n; ++y) grid[x * n + y] = static_cast<int16_t>(x * 10);
  std::vector<uint32_t> normals(grid.size());
  MakeNormalMap(grid.data(), n, 64, 0, 70, normals.data());
  const uint32_t pixel = normals[2 * n + 3];  // row y = 2, column x = 3
  EXPECT_GT(pixel & 0xFF, 128u);
  EXPECT_EQ((pixel >> 8) & 0xFF, 128u);
  EXPECT_LT((pixel >> 16) & 0xFF, 255u);
}

}  // namespace
}  // namespace velmara

#include "terrain/Contour.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/terrain/ContourReference.h"
#include "tests/terrain/TerrainFixtures.h"

namespace velmara {
namespace {

std::vector<TContour> Trace(const std::vector<int16_t>& grid, int n, int start, int end, int scale, bool useInterval,
                            int interval) {
  TContourLines lines;
  lines.Interval = interval;
  lines.Generate(grid.data(), n, start, end, scale, useInterval);
  EXPECT_EQ(lines.State, 2);
  EXPECT_EQ(lines.GridSize, n);
  return lines.Lines;
}

TEST(ContourTracer, AgreesWithTheLiteralTracerPointForPoint) {
  struct Case {
    int n;
    uint32_t seed;
    double low, high;
    int start, end, scale, interval;
    bool useInterval;
  } cases[] = {
      {64, 1, -400, 200, -400, 200, 1, 50, true},
      {128, 2, -1200, 300, -1200, 300, 10, 10, true},
      {256, 3, -3000, 500, -3000, 500, 1, 250, true},
      {96, 4, -60, 40, 0, 40, 10, 0, true},  // interval 0 counts as 100
      {80, 5, -200, 100, 0, 100, 10, 100, false},
      {1024, 6, -2500, 800, 0, 800, 1, 100, true},
  };
  for (const Case& c : cases) {
    const std::vector<int16_t> grid = test::RollingBed(c.n, c.seed, c.low, c.high);
    const auto fast = Trace(grid, c.n, c.start, c.end, c.scale, c.useInterval, c.interval);
    const auto reference = test::ReferenceContours(grid.data(), c.n, c.start, c.end, c.scale, c.useInterval, c.interval);
    EXPECT_FALSE(reference.empty()) << c.n;
    EXPECT_EQ(fast, reference) << "grid " << c.n << " seed " << c.seed;
  }
}

// A grid of n × n heights from a function of (row, column).
template <typename F>
std::vector<int16_t> Grid(int n, F height) {
  std::vector<int16_t> grid(std::size_t(n) * n);
  for (int r = 0; r < n; ++r)
    for (int c = 0; c < n; ++c) grid[std::size_t(r) * n + c] = static_cast<int16_t>(height(r, c));
  return grid;
}

// A walk keeps at most (n × n) / 256 points, so the shapes below sit on grids large enough to hold
// their lines whole.
TEST(ContourTracer, ClosedLineRepeatsItsFirstPoint) {
  constexpr int n = 256;
  const auto hollow = Grid(n, [](int r, int c) { return (r - 128) * (r - 128) + (c - 128) * (c - 128) - 400; });
  const auto lines = Trace(hollow, n, 0, 0, 1, true, 100);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].Level, 0);
  EXPECT_EQ(lines[0].Points.front(), lines[0].Points.back());
  EXPECT_EQ(lines[0].Count, static_cast<int>(lines[0].Points.size()));
}

TEST(ContourTracer, LineLeavingTheGridTwiceIsOneOpenLine) {
  constexpr int n = 512;
  const auto slope = Grid(n, [](int r, int c) { return 10 * (c - 100) + r; });
  const auto lines = Trace(slope, n, 0, 0, 1, true, 100);
  ASSERT_EQ(lines.size(), 1u);
  const TContour& line = lines[0];
  EXPECT_NE(line.Points.front(), line.Points.back());
  // From the first row of cells to the far edge of the last one.
  EXPECT_EQ(std::min(line.Points.front().Row, line.Points.back().Row), 1.0f);
  EXPECT_EQ(std::max(line.Points.front().Row, line.Points.back().Row), float(n));
  // Height 10 (c - 100) + r is zero at sample column 100 - r / 10: tracer column 101.1 - row / 10.
  for (const TContourPoint& p : line.Points) EXPECT_NEAR(p.Column, 101.1f - p.Row / 10.0f, 1e-4f);
}

TEST(ContourTracer, SampleOnTheLevelIsMovedOffIt) {
  constexpr int n = 256;
  // Every sample of column 8 lies exactly on the level: the line runs just below them.
  const auto step = Grid(n, [](int, int c) { return c < 8 ? -5 : (c == 8 ? 0 : 5); });
  const auto lines = Trace(step, n, 0, 0, 1, true, 100);
  ASSERT_EQ(lines.size(), 1u);
  for (const TContourPoint& p : lines[0].Points) EXPECT_EQ(p.Column, 9.0f);  // sample column 8
}

TEST(ContourTracer, SaddleCellsAreCrossedByTwoLines) {
  constexpr int n = 512;
  // A saddle: high in two opposite quadrants, low in the other two (products kept in 16 bits).
  const auto saddle = Grid(n, [](int r, int c) { return (r * 2 - 511) * (c * 2 - 511) / 16; });
  const auto fast = Trace(saddle, n, 0, 0, 1, true, 100);
  EXPECT_EQ(fast, test::ReferenceContours(saddle.data(), n, 0, 0, 1, true, 100));
  EXPECT_EQ(fast.size(), 2u);
}

TEST(ContourTracer, GridTooSmallForTheWalkBufferStillTraces) {
  constexpr int n = 6;  // 36 / 256 points a walk would be none at all
  const auto slope = Grid(n, [](int, int c) { return c * 10 - 25; });
  const auto lines = Trace(slope, n, 0, 0, 1, true, 100);
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines, test::ReferenceContours(slope.data(), n, 0, 0, 1, true, 100));
}

TEST(ContourTracer, NegativeIntervalEndsLikeTheDefault) {
  constexpr int n = 32;
  const auto bed = test::RollingBed(n, 9, -500, 100);
  EXPECT_EQ(Trace(bed, n, -500, 100, 1, true, -50), Trace(bed, n, -500, 100, 1, true, 0));
}

TEST(ContourTracer, TracesOneLevelEvenAboveTheEnd) {
  constexpr int n = 16;
  const auto land = Grid(n, [](int r, int) { return 10 + r; });
  TContourLines lines;
  lines.Generate(land.data(), n, 15, 12, 1, true);
  EXPECT_EQ(lines.State, 2);
  ASSERT_FALSE(lines.Lines.empty());
  EXPECT_EQ(lines.Lines[0].Level, 15);
}

}  // namespace
}  // namespace velmara

// The cells covering a rectangle, through the C interface.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <set>

#include "curvix/curvix.h"
#include "tests/curvix/CurvixTestSupport.h"

namespace {

struct Cover {
  std::int32_t count = -1;
  std::uint64_t mask = 1, ka = 1, kb = 1, kc = 1, kd = 1;
  double llx = -1, lly = -1, urx = -1, ury = -1;
};

Cover Covering(double x1, double y1, double x2, double y2) {
  Cover c;
  coverage(x1, y1, x2, y2, &c.count, &c.mask, &c.ka, &c.kb, &c.kc, &c.kd, &c.llx, &c.lly,
           &c.urx, &c.ury);
  return c;
}

class CurvixCoverage : public ::testing::Test {
  curvix_test::InitialFrame frame_;
};

TEST_F(CurvixCoverage, WorkedExample) {
  const Cover c = Covering(10.0, 59.0, 10.6, 59.3);
  EXPECT_EQ(c.mask, 0xFFFFC00000000000ull);  // level 18
  EXPECT_EQ(c.ka, 0x512F400000000000ull);
  EXPECT_EQ(c.kb, 0x513A800000000000ull);
  EXPECT_EQ(c.kc, 0x513A000000000000ull);
  EXPECT_EQ(c.kd, 0x512FC00000000000ull);
  EXPECT_EQ(c.count, 4);
  EXPECT_NEAR(c.llx, 9.84375, 1e-4);
  EXPECT_NEAR(c.lly, 58.7109, 1e-4);
  EXPECT_NEAR(c.urx, 11.25, 1e-4);
  EXPECT_NEAR(c.ury, 59.4141, 1e-4);
}

TEST_F(CurvixCoverage, EqualCornersMeasureTheWholeFrameWidth) {
  const Cover c = Covering(123.4, -5.6, 123.4, -5.6);
  EXPECT_EQ(c.mask, 0u);
  EXPECT_EQ(c.ka | c.kb | c.kc | c.kd, 0u);
  EXPECT_EQ(c.count, 1);
  EXPECT_EQ(c.llx, 0);
  EXPECT_EQ(c.lly, -90);
  EXPECT_EQ(c.urx, 360);
  EXPECT_EQ(c.ury, 90);
}

TEST_F(CurvixCoverage, RightCornerLeftOfLeftOneWrapsAcrossTheFrame) {
  // From 350 east across 360 to 5: 15 wide.
  const Cover c = Covering(350, 10, 5, 12);
  EXPECT_GT(c.llx, c.urx);
  EXPECT_LE(c.llx, 350);
  EXPECT_GE(c.urx, 5);
  EXPECT_LE(c.lly, 10);
  EXPECT_GE(c.ury, 12);
  EXPECT_NE(c.mask, 0u);
}

TEST_F(CurvixCoverage, ZeroExtentUsesTheFinestLevel) {
  // Less than one scaled unit wide and flat: the extent's key is 0.
  const double x1 = 100 + 0.5 * 360 / 4294967295.0;
  const Cover c = Covering(x1, 20, x1 + 1e-12, 20);
  EXPECT_EQ(c.mask, ~0ull);
  std::uint64_t k1 = 0;
  polar2pn(x1, 20, 64, &k1);
  EXPECT_EQ(c.ka, k1);
  EXPECT_EQ(c.count, 1);
}

// For rectangles of every size inside the frame: each corner falls in one of the reported cells,
// the box holds the rectangle, and a cell spans the rectangle on both axes. The box and a cell's
// corners are lower-left corners of scaled units, so both may fall short by up to a unit.
TEST_F(CurvixCoverage, CellsHoldTheRectangle) {
  std::mt19937_64 rng(3);
  std::uniform_real_distribution<double> unit(0, 1);
  std::set<int> counts;
  for (int i = 0; i < 20000; ++i) {
    const double w = 360 * std::ldexp(unit(rng), -static_cast<int>(rng() % 34));
    const double h = 180 * std::ldexp(unit(rng), -static_cast<int>(rng() % 34));
    const double x1 = (360 - w) * unit(rng);
    const double y1 = -90 + (180 - h) * unit(rng);
    const double x2 = x1 + w, y2 = y1 + h;
    if (!(x2 > x1)) {
      continue;
    }
    const Cover c = Covering(x1, y1, x2, y2);
    counts.insert(c.count);
    const int level = c.mask == 0 ? 0 : __builtin_popcountll(c.mask);
    std::set<std::uint64_t> cells{c.ka};
    if (c.count >= 2) cells.insert(c.kb);
    if (c.count == 4) cells.insert({c.kc, c.kd});
    ASSERT_EQ(cells.size(), static_cast<std::size_t>(c.count));
    for (auto [x, y] : {std::pair{x1, y1}, {x2, y2}, {x1, y2}, {x2, y1}}) {
      std::uint64_t key = 0;
      polar2pn(x, y, level, &key);
      ASSERT_TRUE(cells.count(key)) << i;
    }
    const double sx = 2 * 360 / 4294967295.0, sy = 2 * 180 / 4294967295.0;
    ASSERT_LE(c.llx, x1 + sx);
    ASSERT_LE(c.lly, y1 + sy);
    ASSERT_GE(c.urx, x2 - sx);
    ASSERT_GE(c.ury, y2 - sy);
    double lx = 0, ly = 0, ux = 0, uy = 0;
    pn2polar_lowleft(c.ka, &lx, &ly, level);
    pn2polar_topright(c.ka, &ux, &uy, level);
    ASSERT_GE(ux - lx, w - sx);
    ASSERT_GE(uy - ly, h - sy);
  }
  EXPECT_EQ(counts, (std::set<int>{1, 2, 4}));
}

}  // namespace

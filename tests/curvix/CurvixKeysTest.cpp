// Encoding and decoding through the C interface: the worked examples and the boundary cases of
// levels, frame corners and positions outside the frame.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

#include "curvix/curvix.h"
#include "tests/curvix/CurvixTestSupport.h"

namespace {

using curvix_test::KeyX;
using curvix_test::KeyY;

struct Frame {
  double xmin, xmax, ymin, ymax;
};
constexpr Frame kInitial{0, 360, -90, 90};
constexpr Frame kMercator{0, 40000000, -10000000, 10000000};

std::uint64_t Key(double x, double y, int nbits) {
  std::uint64_t key = 0xDEADBEEFDEADBEEFull;
  polar2pn(x, y, nbits, &key);
  return key;
}

class CurvixKeys : public ::testing::Test {
  curvix_test::InitialFrame frame_;
};

struct Example {
  const char* name;
  Frame frame;
  double x, y;
  int nbits;
  std::uint64_t key;
  double llx, lly, urx, ury;
  double tolerance;  // the worked examples give the corners to this many digits
};
void PrintTo(const Example& e, std::ostream* os) { *os << e.name; }
void PrintTo(const Frame& f, std::ostream* os) {
  *os << f.xmin << " ... " << f.xmax << " x " << f.ymin << " ... " << f.ymax;
}

const Example kExamples[] = {
    {"initial_level_8", kInitial, 10.5, 59.25, 8, 0x5100000000000000ull, 0.0, 56.25, 22.5, 67.5,
     1e-6},
    {"initial_level_20", kInitial, 10.5, 59.25, 20, 0x513A300000000000ull, 10.1953, 59.2383,
     10.5469, 59.4141, 1e-4},
    // Given in whole metres; the corners lie a few millimetres off (units of 2^32 - 1).
    {"mercator_level_16", kMercator, 1000000, 8000000, 16, 0x543C000000000000ull, 937500,
     7968750, 1093750, 8046875, 0.02},
};

class CurvixKeysExample : public ::testing::TestWithParam<Example> {
  curvix_test::InitialFrame frame_;
};

TEST_P(CurvixKeysExample, EncodesAndDecodesTheCell) {
  const Example& e = GetParam();
  peano_range(e.frame.xmin, e.frame.xmax, e.frame.ymin, e.frame.ymax);
  const std::uint64_t key = Key(e.x, e.y, e.nbits);
  EXPECT_EQ(key, e.key) << std::hex << key;
  double x = 0, y = 0;
  pn2polar_lowleft(key, &x, &y, e.nbits);
  EXPECT_NEAR(x, e.llx, e.tolerance);
  EXPECT_NEAR(y, e.lly, e.tolerance);
  pn2polar_topright(key, &x, &y, e.nbits);
  EXPECT_NEAR(x, e.urx, e.tolerance);
  EXPECT_NEAR(y, e.ury, e.tolerance);
  // The point lies in its cell.
  double cx = 0, cy = 0;
  pn2polar_centre(key, &cx, &cy, e.nbits);
  EXPECT_NEAR(cx, (e.llx + e.urx) / 2, e.tolerance);
  EXPECT_NEAR(cy, (e.lly + e.ury) / 2, e.tolerance);
}

INSTANTIATE_TEST_SUITE_P(WorkedExamples, CurvixKeysExample, ::testing::ValuesIn(kExamples),
                         [](const auto& info) { return std::string(info.param.name); });

// 10.5 / 360 * (2^32 - 1) = 125269879.4375 and 149.25 / 180 * (2^32 - 1) = 3561243715.4375.
// (Scaling by 2^32 instead would give 0xD4444444 on y: the unit is 1 / (2^32 - 1) of the frame.)
TEST_F(CurvixKeys, ScalesByTwoToThe32MinusOne) {
  const std::uint64_t key = Key(10.5, 59.25, 64);
  EXPECT_EQ(KeyX(key), 0x07777777u);
  EXPECT_EQ(KeyY(key), 0xD4444443u);
  double x = 0, y = 0;
  pn2polar_centre(0x5100000000000000ull, &x, &y, 8);
  EXPECT_NEAR(x, 11.25, 1e-6);
  EXPECT_NEAR(y, 61.875, 1e-6);
}

class CurvixKeysFrame : public ::testing::TestWithParam<Frame> {
  curvix_test::InitialFrame frame_;

 protected:
  void SetUp() override {
    const Frame& f = GetParam();
    peano_range(f.xmin, f.xmax, f.ymin, f.ymax);
  }
};

TEST_P(CurvixKeysFrame, LevelZeroIsTheWholeFrame) {
  const Frame& f = GetParam();
  EXPECT_EQ(Key(f.xmin + (f.xmax - f.xmin) / 3, f.ymax, 0), 0u);
  double x = 0, y = 0;
  pn2polar_lowleft(0x123456789ABCDEF0ull, &x, &y, 0);
  EXPECT_EQ(x, f.xmin);
  EXPECT_EQ(y, f.ymin);
  pn2polar_topright(0x123456789ABCDEF0ull, &x, &y, 0);
  EXPECT_EQ(x, f.xmax);
  EXPECT_EQ(y, f.ymax);
  pn2polar_centre(0x123456789ABCDEF0ull, &x, &y, 0);
  EXPECT_NEAR(x, (f.xmin + f.xmax) / 2, std::fabs(f.xmax - f.xmin) * 0x1p-32);
  EXPECT_NEAR(y, (f.ymin + f.ymax) / 2, std::fabs(f.ymax - f.ymin) * 0x1p-32);
}

TEST_P(CurvixKeysFrame, UpperRightCornerHasEveryBitSet) {
  const Frame& f = GetParam();
  EXPECT_EQ(Key(f.xmax, f.ymax, 64), ~0ull);
  EXPECT_EQ(Key(f.xmin, f.ymin, 64), 0ull);
}

TEST_P(CurvixKeysFrame, CellCornersAtTheFinestLevels) {
  std::mt19937_64 rng(7);
  for (int i = 0; i < 200; ++i) {
    const std::uint64_t key = rng();
    double lx = 0, ly = 0, cx = 0, cy = 0, tx = 0, ty = 0;
    // Level 64: a cell of one scaled unit, all three points coincide.
    pn2polar_lowleft(key, &lx, &ly, 64);
    pn2polar_centre(key, &cx, &cy, 64);
    pn2polar_topright(key, &tx, &ty, 64);
    EXPECT_TRUE(lx == cx && cx == tx && ly == cy && cy == ty) << std::hex << key;
    // Level 63: y keeps one free unit, x none; the centre and the upper right lie one y unit
    // above the lower left, which is where the key with its last bit set starts.
    double ux = 0, uy = 0;
    pn2polar_lowleft(key | 1u, &ux, &uy, 64);
    pn2polar_lowleft(key, &lx, &ly, 63);
    pn2polar_centre(key, &cx, &cy, 63);
    pn2polar_topright(key, &tx, &ty, 63);
    EXPECT_EQ(cx, lx);
    EXPECT_EQ(tx, lx);
    EXPECT_EQ(cy, uy);
    EXPECT_EQ(ty, uy);
  }
}

TEST_P(CurvixKeysFrame, KeyOfALevelIsTheFullKeyCut) {
  const Frame& f = GetParam();
  std::mt19937_64 rng(11);
  std::uniform_real_distribution<double> ux(f.xmin, f.xmax), uy(f.ymin, f.ymax);
  for (int i = 0; i < 100; ++i) {
    const double x = ux(rng), y = uy(rng);
    const std::uint64_t full = Key(x, y, 64);
    for (int n = 0; n <= 64; ++n) {
      const std::uint64_t mask = n == 0 ? 0 : ~0ull << (64 - n);
      ASSERT_EQ(Key(x, y, n), full & mask) << "level " << n;
    }
  }
}

const Frame kFrames[] = {kInitial, kMercator, Frame{-5.5, 1e6, 3, 4.25}};
const char* const kFrameNames[] = {"initial", "mercator", "offset"};

INSTANTIATE_TEST_SUITE_P(Frames, CurvixKeysFrame, ::testing::ValuesIn(kFrames),
                         [](const auto& info) { return std::string(kFrameNames[info.index]); });

TEST_F(CurvixKeys, PositionsOutsideTheFrameWrapAround) {
  const double unit = 360 / 4294967295.0;
  // 1.5 units below the minimum truncate to -1, the last cell; 2^32 - 1 + 5.5 units above it
  // to 2^32 + 4, the fifth.
  EXPECT_EQ(KeyX(Key(-1.5 * unit, 0, 64)), 0xFFFFFFFFu);
  EXPECT_EQ(KeyX(Key(360 + 5.5 * unit, 0, 64)), 4u);
  // A fraction of a unit below the minimum truncates toward zero, to cell 0.
  EXPECT_EQ(KeyX(Key(-0.4 * unit, 0, 64)), 0u);
  // Too far for a 64-bit integer, infinite or NaN: the integer-indefinite value, low bits 0.
  for (double v : {1e300, -1e300, std::numeric_limits<double>::infinity(),
                   -std::numeric_limits<double>::infinity(),
                   std::numeric_limits<double>::quiet_NaN()}) {
    EXPECT_EQ(KeyX(Key(v, 45, 64)), 0u) << v;
    EXPECT_EQ(KeyY(Key(180, v, 64)), 0u) << v;
  }
}

TEST_F(CurvixKeys, AFrameWithEqualLimitsScalesEverythingToZero) {
  peano_range(5, 5, -1, 1);
  EXPECT_EQ(KeyX(Key(5, 0.5, 64)), 0u);
  EXPECT_EQ(KeyX(Key(7, 0.5, 64)), 0u);
  EXPECT_EQ(KeyY(Key(7, 1, 64)), 0xFFFFFFFFu);
}

TEST_F(CurvixKeys, LevelsOutsideTheRangeAreTheNearestLevel) {
  EXPECT_EQ(Key(10.5, 59.25, -3), 0u);
  EXPECT_EQ(Key(10.5, 59.25, 65), Key(10.5, 59.25, 64));
  double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  pn2polar_centre(0x5100000000000000ull, &x0, &y0, 1000);
  pn2polar_centre(0x5100000000000000ull, &x1, &y1, 64);
  EXPECT_EQ(x0, x1);
  EXPECT_EQ(y0, y1);
}

}  // namespace

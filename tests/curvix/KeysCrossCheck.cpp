#include "tests/curvix/KeysCrossCheck.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <random>

#include "curvix/curvix.h"
#include "tests/curvix/CurvixTestSupport.h"
#include "tests/curvix/KeysReference.h"

namespace curvix_test {

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Values on one axis, mixing the kinds of case that break scaling.
class AxisValues {
 public:
  AxisValues(double lo, double hi, std::uint64_t seed) : lo_(lo), hi_(hi), rng_(seed) {}

  double next() {
    const double range = hi_ - lo_;
    std::uniform_real_distribution<double> unit(0, 1);
    switch (rng_() % 8) {
      case 0:
      case 1:
        return lo_ + range * unit(rng_);
      case 2:
        return lo_ + range * (7 * unit(rng_) - 3);  // beyond the frame on either side
      case 3:
      case 4:
      case 5: {
        // Within a few ulps of a scaled-unit boundary, in and just outside the frame.
        const std::int64_t k = static_cast<std::int64_t>(rng_() % 0x140000000ull) - 0x20000000;
        double v = static_cast<double>(lo_ + static_cast<long double>(k) / 4294967295.0L *
                                                 (static_cast<long double>(hi_) - lo_));
        for (int steps = static_cast<int>(rng_() % 7) - 3; steps != 0;
             steps += steps > 0 ? -1 : 1) {
          v = std::nextafter(v, steps > 0 ? kInf : -kInf);
        }
        return v;
      }
      case 6: {
        const double special[] = {lo_,  hi_,   0.0,     -0.0,    kNaN,    kInf,
                                  -kInf, 1e300, -1e300, DBL_MIN, 5e-324, -DBL_MAX};
        return special[rng_() % (sizeof special / sizeof special[0])];
      }
      default:
        return std::ldexp(unit(rng_) - 0.5, static_cast<int>(rng_() % 200) - 100);
    }
  }
  double range() const { return hi_ - lo_; }
  std::mt19937_64& rng() { return rng_; }

 private:
  double lo_, hi_;
  std::mt19937_64 rng_;
};

// Reports the first few mismatches of one kind, then only counts.
class Mismatches {
 public:
  explicit Mismatches(const char* what) : what_(what) {}
  ~Mismatches() {
    if (count_ > 0) {
      ADD_FAILURE() << count_ << " mismatches in " << what_;
    }
  }
  Mismatches(const Mismatches&) = delete;
  Mismatches& operator=(const Mismatches&) = delete;
  template <class Describe>
  void check(bool same, Describe describe) {
    if (!same && count_++ < 5) {
      ADD_FAILURE() << what_ << ": " << describe();
    }
  }

 private:
  const char* what_;
  int count_ = 0;
};

}  // namespace

const FrameCase kCrossCheckFrames[] = {
    {"initial", 0, 360, -90, 90},
    {"mercator", 0, 40000000, -10000000, 10000000},
    {"reversed", 360, 0, 90, -90},
    {"far_from_zero", 1e15, 1e15 + 1000, -3.25, -3.125},
    {"subnormal", 1e-300, 3e-300, 0, 1e-310},
    {"overflowing", -1e308, 1e308, -DBL_MAX, DBL_MAX},
    {"equal_limits", 5, 5, -1, -1},
    {"nan_and_infinite", kNaN, 1, 0, kInf},
};
const int kCrossCheckFrameCount = sizeof kCrossCheckFrames / sizeof kCrossCheckFrames[0];

void CrossCheckKeys(const KeyApi& api, const FrameCase& f, std::uint32_t seed, int points) {
  peano_range(f.xmin, f.xmax, f.ymin, f.ymax);
  KeysReference ref;
  ref.peano_range(f.xmin, f.xmax, f.ymin, f.ymax);
  AxisValues xs(f.xmin, f.xmax, seed);
  AxisValues ys(f.ymin, f.ymax, seed * 7919u + 1);
  std::mt19937_64& rng = xs.rng();

  {
    Mismatches bad("polar2pn");
    for (int i = 0; i < points; ++i) {
      const double x = xs.next(), y = ys.next();
      for (int n = -1; n <= 65; ++n) {
        std::uint64_t key = 0;
        api.polar2pn(x, y, n, &key);
        const std::uint64_t want = ref.polar2pn(x, y, n);
        bad.check(key == want, [&] {
          return ::testing::Message() << std::hexfloat << "(" << x << ", " << y << ") level "
                                      << n << std::hex << ": " << key << " want " << want;
        });
      }
    }
  }
  {
    Mismatches bad("decoding");
    for (int i = 0; i < points; ++i) {
      std::uint64_t key = rng();
      if (i % 2 == 1) {
        api.polar2pn(xs.next(), ys.next(), 64, &key);
      }
      for (int n = -1; n <= 65; ++n) {
        double x = 0, y = 0, rx = 0, ry = 0;
        api.lowleft(key, &x, &y, n);
        ref.lowleft(key, n, rx, ry);
        auto describe = [&](const char* which) {
          return [&, which] {
            return ::testing::Message() << which << std::hex << " key " << key << std::dec
                                        << " level " << n << std::hexfloat << ": (" << x << ", "
                                        << y << ") want (" << rx << ", " << ry << ")";
          };
        };
        bad.check(SameDouble(x, rx) && SameDouble(y, ry), describe("lower left"));
        api.centre(key, &x, &y, n);
        ref.centre(key, n, rx, ry);
        bad.check(SameDouble(x, rx) && SameDouble(y, ry), describe("centre"));
        api.topright(key, &x, &y, n);
        ref.topright(key, n, rx, ry);
        bad.check(SameDouble(x, rx) && SameDouble(y, ry), describe("upper right"));
      }
    }
  }
  {
    Mismatches bad("coverage");
    std::uniform_real_distribution<double> unit(0, 1);
    for (int i = 0; i < 4 * points; ++i) {
      const double x1 = xs.next(), y1 = ys.next();
      double x2 = 0, y2 = 0;
      switch (rng() % 4) {
        case 0:  // another arbitrary corner, often left of the first: the wrap
          x2 = xs.next();
          y2 = ys.next();
          break;
        case 1:  // equal corners
          x2 = x1;
          y2 = y1;
          break;
        default: {  // a rectangle of any size from the whole frame down to below one unit
          const double sign = rng() % 4 == 0 ? -1 : 1;
          x2 = x1 + sign * xs.range() * std::ldexp(unit(rng), -static_cast<int>(rng() % 40));
          y2 = y1 + ys.range() * std::ldexp(unit(rng), -static_cast<int>(rng() % 40));
        }
      }
      CoverageResult got{};
      api.coverage(x1, y1, x2, y2, &got.count, &got.mask, &got.ka, &got.kb, &got.kc, &got.kd,
                   &got.llx, &got.lly, &got.urx, &got.ury);
      const CoverageResult want = ref.coverage(x1, y1, x2, y2);
      const bool same = got.count == want.count && got.mask == want.mask && got.ka == want.ka &&
                        got.kb == want.kb && got.kc == want.kc && got.kd == want.kd &&
                        SameDouble(got.llx, want.llx) && SameDouble(got.lly, want.lly) &&
                        SameDouble(got.urx, want.urx) && SameDouble(got.ury, want.ury);
      bad.check(same, [&] {
        return ::testing::Message() << std::hexfloat << "(" << x1 << ", " << y1 << ") - (" << x2
                                    << ", " << y2 << ")" << std::hex << " mask " << got.mask
                                    << " want " << want.mask;
      });
    }
  }
}

}  // namespace curvix_test

// The random cross-check of an implementation of the key functions against the literal
// reference, bit for bit: positions across and far beyond the frame, values within rounding of
// a scaled-unit boundary, the special values, every level, and rectangles of every size
// including the x wrap. Used for the exported functions and for each instruction-set build.
#pragma once

#include <cstdint>
#include <ostream>

namespace curvix_test {

struct KeyApi {
  void (*polar2pn)(double, double, std::int32_t, std::uint64_t*);
  void (*lowleft)(std::uint64_t, double*, double*, std::int32_t);
  void (*centre)(std::uint64_t, double*, double*, std::int32_t);
  void (*topright)(std::uint64_t, double*, double*, std::int32_t);
  void (*coverage)(double, double, double, double, std::int32_t*, std::uint64_t*,
                   std::uint64_t*, std::uint64_t*, std::uint64_t*, std::uint64_t*, double*,
                   double*, double*, double*);
};

struct FrameCase {
  const char* name;
  double xmin, xmax, ymin, ymax;
};
inline void PrintTo(const FrameCase& f, std::ostream* os) { *os << f.name; }

// Frames from the everyday to the degenerate (reversed, far from zero, subnormal, overflowing,
// equal limits, NaN and infinite limits).
extern const FrameCase kCrossCheckFrames[];
extern const int kCrossCheckFrameCount;

// Sets the frame in the library (peano_range) and in the reference and checks `points` random
// cases of each kind; failures are reported through GoogleTest.
void CrossCheckKeys(const KeyApi& api, const FrameCase& frame, std::uint32_t seed, int points);

}  // namespace curvix_test

// The process-wide key frame and the scaling of a coordinate to its 32-bit cell number.
// Private to curvix.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <utility>

#include <emmintrin.h>

namespace curvix {

// One axis of the frame, with what the fast paths derive from its limits.
struct Axis {
  double lo;
  double hi;
  double range;  // hi - lo, as decoding computes it
  double scale;  // 4294967295 / range in double, or NaN where the double path cannot be trusted
};

struct KeyFrame {
  Axis x;
  Axis y;
  // The same limits side by side, for decoding both axes in one SSE2 operation.
  alignas(16) double lo_xy[2];
  alignas(16) double range_xy[2];
};

constexpr double kScaledMax = 4294967295.0;  // 2^32 - 1: hi maps to 0xFFFFFFFF

constexpr bool is_normal_finite(double v) {
  const double a = v < 0 ? -v : v;
  return a >= std::numeric_limits<double>::min() && a <= std::numeric_limits<double>::max();
}

constexpr Axis make_axis(double lo, double hi) {
  const double range = hi - lo;
  double scale = std::numeric_limits<double>::quiet_NaN();
  // The double path's error bound holds only while every intermediate is a normal number; a
  // NaN scale sends every value of this axis down the extended path.
  const bool lo_finite = lo - lo == 0;
  if (lo_finite && is_normal_finite(range) && is_normal_finite(kScaledMax / range)) {
    scale = kScaledMax / range;
  }
  return Axis{lo, hi, range, scale};
}

constexpr KeyFrame make_frame(double xmin, double xmax, double ymin, double ymax) {
  const Axis x = make_axis(xmin, xmax);
  const Axis y = make_axis(ymin, ymax);
  return KeyFrame{x, y, {x.lo, y.lo}, {x.range, y.range}};
}

// Set by peano_range; callers serialise key calls, so it is not guarded.
extern KeyFrame g_frame;

// trunc((v - lo) / (hi - lo) * 4294967295) in extended precision, low 32 bits; a result outside
// the 64-bit integers (or NaN) is the integer-indefinite value, whose low 32 bits are zero.
std::uint32_t scaled_extended(double v, double lo, double hi);

// These helpers are compiled into each instruction-set variant of the key code; the unnamed
// namespace keeps every translation unit's copy its own, so no variant's code is ever picked by
// the linker for another.
namespace {

// The value of scaled_extended in double precision, where that is safe; false where it is not.
// For 0 <= t < 2^32 the double result lies within 2^-19 of the extended one (four roundings of
// 2^-53 each against four of 2^-64), so when its fraction keeps 2^-18 away from both integers
// around it, both truncate alike. Values right at a cell boundary, outside the frame or in a
// degenerate frame are left to the extended path.
inline bool scaled_fast(double v, const Axis& a, std::uint32_t& s) {
  const double t = (v - a.lo) * a.scale;
  const long long i = _mm_cvttsd_si64(_mm_set_sd(t));  // integer-indefinite for NaN and overflow
  const double fraction = t - static_cast<double>(i);
  const double distance = __builtin_fabs(fraction - 0.5);
  s = static_cast<std::uint32_t>(i);
  return (static_cast<unsigned long long>(i) < 0x100000000ull) & (distance < 0.5 - 0x1p-18);
}

inline std::uint32_t scaled(double v, const Axis& a) {
  std::uint32_t s = 0;
  return scaled_fast(v, a, s) ? s : scaled_extended(v, a.lo, a.hi);
}

inline int clamp_level(int n) {
  if (__builtin_expect(static_cast<unsigned>(n) > 64, 0)) {
    return n < 0 ? 0 : 64;
  }
  return n;
}

constexpr std::uint64_t top_bits(int n) { return n == 0 ? 0 : ~0ull << (64 - n); }

template <std::size_t... N>
constexpr auto make_level_masks(std::index_sequence<N...>) {
  return std::array<std::uint64_t, sizeof...(N)>{top_bits(static_cast<int>(N))...};
}

// The top n bits of a key for n = 0 ... 64: a table, as levels vary from call to call.
constexpr std::array<std::uint64_t, 65> kLevelMasks =
    make_level_masks(std::make_index_sequence<65>{});

// The top n bits, n clamped to 0 ... 64.
inline std::uint64_t level_mask(int n) {
  return kLevelMasks[static_cast<std::size_t>(clamp_level(n))];
}

}  // namespace
}  // namespace curvix

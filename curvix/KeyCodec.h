// Encoding of a position to a key of a level, and decoding of a key to its cell's corners and
// centre, over the current key frame. Private to curvix; compiled into each instruction-set
// variant (see KeyFrame.h for why everything here has internal linkage).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <utility>

#include <emmintrin.h>

#include "curvix/Interleave.h"
#include "curvix/KeyFrame.h"

namespace curvix {
namespace {

// The key, from scalings that may take the extended path. Kept out of line so that the common
// path below needs no stack frame.
[[gnu::noinline, gnu::cold]] void encode_extended(double x, double y, int nbits,
                                                  std::uint64_t* key) {
  const KeyFrame& f = g_frame;
  *key = interleave(scaled(x, f.x), scaled(y, f.y)) & level_mask(nbits);
}

inline void encode(double x, double y, int nbits, std::uint64_t* key) {
  const KeyFrame& f = g_frame;
  std::uint32_t sx = 0;
  std::uint32_t sy = 0;
  const bool x_fast = scaled_fast(x, f.x, sx);
  const bool y_fast = scaled_fast(y, f.y, sy);
  if (__builtin_expect(x_fast && y_fast, 1)) {
    *key = interleave(sx, sy) & level_mask(nbits);
    return;
  }
  encode_extended(x, y, nbits, key);
}

// Scaled x in the low and scaled y in the high half of a 64-bit value, to double lanes: ORed
// into the mantissa of 2^52 and 2^52 taken off again, each is converted exactly.
inline __m128d to_doubles(std::uint64_t xy) {
  // [x, y, 0, 0] as 32-bit lanes to [x, 0, y, 0]: two zero-extended 64-bit lanes.
  const __m128i lanes = _mm_shuffle_epi32(_mm_cvtsi64_si128(static_cast<long long>(xy)),
                                          _MM_SHUFFLE(2, 1, 2, 0));
  const __m128d biased =
      _mm_castsi128_pd(_mm_or_si128(lanes, _mm_set_epi64x(0x4330000000000000ll,
                                                          0x4330000000000000ll)));
  return _mm_sub_pd(biased, _mm_set_pd(0x1p52, 0x1p52));
}

inline std::uint64_t pack(std::uint32_t x, std::uint32_t y) {
  return (static_cast<std::uint64_t>(y) << 32) | x;
}

// Both axes at once: X / 4294967295 * (hi - lo) + lo, lane by lane the same roundings as the
// scalar expression.
inline void to_position(std::uint64_t xy, double* x, double* y) {
  const KeyFrame& f = g_frame;
  const __m128d q = _mm_div_pd(to_doubles(xy), _mm_set_pd(kScaledMax, kScaledMax));
  const __m128d p = _mm_add_pd(_mm_mul_pd(q, _mm_load_pd(f.range_xy)), _mm_load_pd(f.lo_xy));
  _mm_storel_pd(x, p);
  _mm_storeh_pd(y, p);
}

// The cell's free bits are zero at its lower-left corner ...
inline void decode_lowleft(std::uint64_t key, int nbits, double* x, double* y) {
  const std::uint64_t k = key & level_mask(nbits);
  to_position(pack(key_x(k), key_y(k)), x, y);
}

// ... and one at its upper-right corner.
inline void decode_topright(std::uint64_t key, int nbits, double* x, double* y) {
  const std::uint64_t k = key | ~level_mask(nbits);
  to_position(pack(key_x(k), key_y(k)), x, y);
}

// Half a cell on each axis, added as an integer: of m = 64 - n free key bits, x owns
// floor(m / 2) and y the rest (x holds the higher bit of each pair), so an axis without free
// bits gets nothing. Per level, x's half in the low and y's in the high 32 bits.
constexpr std::uint64_t half_cell(int level) {
  const int free_x = (64 - level) / 2;
  const int free_y = (64 - level) - free_x;
  const std::uint64_t hx = free_x > 0 ? std::uint64_t{1} << (free_x - 1) : 0;
  const std::uint64_t hy = free_y > 0 ? std::uint64_t{1} << (free_y - 1) : 0;
  return (hy << 32) | hx;
}

template <std::size_t... N>
constexpr auto make_half_cells(std::index_sequence<N...>) {
  return std::array<std::uint64_t, sizeof...(N)>{half_cell(static_cast<int>(N))...};
}
constexpr std::array<std::uint64_t, 65> kHalfCells =
    make_half_cells(std::make_index_sequence<65>{});

inline void decode_centre(std::uint64_t key, int nbits, double* x, double* y) {
  const auto level = static_cast<std::size_t>(clamp_level(nbits));
  const std::uint64_t k = key & kLevelMasks[level];
  // The lower-left corner's free bits are zero, so neither half carries into the other.
  to_position(pack(key_x(k), key_y(k)) + kHalfCells[level], x, y);
}

}  // namespace
}  // namespace curvix

// Bit interleaving of the two scaled coordinates into a key and back. A translation unit built
// with BMI2 (-mbmi2) gets pdep/pext, every other one the portable shift-and-mask sequence.
// Private to curvix.
#pragma once

#include <cstdint>

#if defined(__BMI2__)
#include <immintrin.h>
#endif

namespace curvix {

// x takes the odd key bits, y the even ones.
constexpr std::uint64_t kXBits = 0xAAAAAAAAAAAAAAAAull;
constexpr std::uint64_t kYBits = 0x5555555555555555ull;

// Unnamed: each instruction-set variant keeps its own copy (see KeyFrame.h).
namespace {

#if defined(__BMI2__)

inline std::uint64_t interleave(std::uint32_t x, std::uint32_t y) {
  return _pdep_u64(x, kXBits) | _pdep_u64(y, kYBits);
}
inline std::uint32_t key_x(std::uint64_t key) {
  return static_cast<std::uint32_t>(_pext_u64(key, kXBits));
}
inline std::uint32_t key_y(std::uint64_t key) {
  return static_cast<std::uint32_t>(_pext_u64(key, kYBits));
}

#else

// 32 bits to the even bits of 64.
inline std::uint64_t spread(std::uint32_t v) {
  std::uint64_t b = v;
  b = (b | (b << 16)) & 0x0000FFFF0000FFFFull;
  b = (b | (b << 8)) & 0x00FF00FF00FF00FFull;
  b = (b | (b << 4)) & 0x0F0F0F0F0F0F0F0Full;
  b = (b | (b << 2)) & 0x3333333333333333ull;
  b = (b | (b << 1)) & 0x5555555555555555ull;
  return b;
}

// The even bits of 64 to 32.
inline std::uint32_t gather(std::uint64_t b) {
  b &= 0x5555555555555555ull;
  b = (b | (b >> 1)) & 0x3333333333333333ull;
  b = (b | (b >> 2)) & 0x0F0F0F0F0F0F0F0Full;
  b = (b | (b >> 4)) & 0x00FF00FF00FF00FFull;
  b = (b | (b >> 8)) & 0x0000FFFF0000FFFFull;
  b = (b | (b >> 16)) & 0x00000000FFFFFFFFull;
  return static_cast<std::uint32_t>(b);
}

inline std::uint64_t interleave(std::uint32_t x, std::uint32_t y) {
  return (spread(x) << 1) | spread(y);
}
inline std::uint32_t key_x(std::uint64_t key) { return gather(key >> 1); }
inline std::uint32_t key_y(std::uint64_t key) { return gather(key); }

#endif

}  // namespace
}  // namespace curvix

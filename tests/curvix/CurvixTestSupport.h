// Small helpers shared by the curvix tests.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstring>

#include "curvix/curvix.h"

namespace curvix_test {

// Same double, NaN matching NaN (its payload may differ with the operand order).
inline bool SameDouble(double a, double b) {
  if (std::isnan(a) && std::isnan(b)) {
    return true;
  }
  std::uint64_t ua = 0;
  std::uint64_t ub = 0;
  std::memcpy(&ua, &a, sizeof a);
  std::memcpy(&ub, &b, sizeof b);
  return ua == ub;
}

inline bool SameRecord(const curvix_sounding& a, const curvix_sounding& b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

// The odd (x) and even (y) bits of a key, for reading back scaled values.
inline std::uint32_t KeyX(std::uint64_t key) {
  std::uint32_t v = 0;
  for (int i = 0; i < 32; ++i) {
    v |= static_cast<std::uint32_t>((key >> (2 * i + 1)) & 1u) << i;
  }
  return v;
}
inline std::uint32_t KeyY(std::uint64_t key) {
  std::uint32_t v = 0;
  for (int i = 0; i < 32; ++i) {
    v |= static_cast<std::uint32_t>((key >> (2 * i)) & 1u) << i;
  }
  return v;
}

// Restores the library's initial key frame around each test that changes it.
struct InitialFrame {
  InitialFrame() { peano_range(0, 360, -90, 90); }
  ~InitialFrame() { peano_range(0, 360, -90, 90); }
  InitialFrame(const InitialFrame&) = delete;
  InitialFrame& operator=(const InitialFrame&) = delete;
};

}  // namespace curvix_test

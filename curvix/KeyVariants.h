// The key functions, built once per instruction set: portable, and with BMI2 pdep/pext.
// Keys.cpp and Coverage.cpp pick one per call from the CPU's features. Private to curvix.
#pragma once

#include <cstdint>

#define CURVIX_DECLARE_KEY_VARIANT(ns)                                                          \
  namespace curvix::ns {                                                                        \
  void polar2pn(double x, double y, std::int32_t nbits, std::uint64_t* key);                    \
  void lowleft(std::uint64_t key, double* x, double* y, std::int32_t nbits);                    \
  void centre(std::uint64_t key, double* x, double* y, std::int32_t nbits);                     \
  void topright(std::uint64_t key, double* x, double* y, std::int32_t nbits);                   \
  void coverage(double x1, double y1, double x2, double y2, std::int32_t* count,                \
                std::uint64_t* mask, std::uint64_t* ka, std::uint64_t* kb, std::uint64_t* kc,   \
                std::uint64_t* kd, double* llx, double* lly, double* urx, double* ury);         \
  }

CURVIX_DECLARE_KEY_VARIANT(portable)
CURVIX_DECLARE_KEY_VARIANT(bmi2)

#undef CURVIX_DECLARE_KEY_VARIANT

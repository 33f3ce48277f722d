// The cells covering a rectangle. Private to curvix; compiled into each instruction-set variant.
#pragma once

#include <cstdint>

#include "curvix/KeyCodec.h"

namespace curvix {
namespace {

// Values to scale: the extent (width, height), then x1, y1, x2, y2.
struct CoverScaling {
  double v[6];
  std::uint32_t s[6];
};

[[gnu::noinline, gnu::cold]] void scale_extended(CoverScaling& c) {
  const KeyFrame& f = g_frame;
  for (int i = 0; i < 6; ++i) {
    c.s[i] = scaled(c.v[i], i % 2 == 0 ? f.x : f.y);
  }
}

inline void cover(double x1, double y1, double x2, double y2, std::int32_t* count,
                  std::uint64_t* mask, std::uint64_t* ka, std::uint64_t* kb, std::uint64_t* kc,
                  std::uint64_t* kd, double* llx, double* lly, double* urx, double* ury) {
  const KeyFrame& f = g_frame;
  // The extent measured from the frame origin (x2 > x1 makes x2 - x1 its own absolute value);
  // x2 <= x1 measures across the x wrap, so equal x give the whole frame width.
  const double width = x2 > x1 ? (x2 - x1) + f.x.lo : (x2 - x1) + f.x.hi;
  const double height = __builtin_fabs(y2 - y1) + f.y.lo;
  CoverScaling c{{width, height, x1, y1, x2, y2}, {}};
  bool fast = true;
  for (int i = 0; i < 6; ++i) {
    fast &= scaled_fast(c.v[i], i % 2 == 0 ? f.x : f.y, c.s[i]);
  }
  if (__builtin_expect(!fast, 0)) {
    scale_extended(c);
  }
  const std::uint64_t extent = interleave(c.s[0], c.s[1]);
  // The level stops just above the extent's highest bit, so a cell spans the extent.
  const int level = extent == 0 ? 64 : __builtin_clzll(extent);
  const std::uint64_t m = level_mask(level);

  // Each corner key is the full key of the point ANDed with the mask; the four corners share
  // two scaled values per axis.
  const std::uint64_t a = interleave(c.s[2], c.s[3]) & m;
  const std::uint64_t b = interleave(c.s[4], c.s[5]) & m;
  const std::uint64_t cc = interleave(c.s[2], c.s[5]) & m;
  const std::uint64_t d = interleave(c.s[4], c.s[3]) & m;

  *mask = m;
  *ka = a;
  *kb = b;
  *kc = cc;
  *kd = d;
  decode_lowleft(a, level, llx, lly);
  decode_topright(b, level, urx, ury);
  *count = a == b ? 1 : ((cc == a || cc == b) ? 2 : 4);
}

}  // namespace
}  // namespace curvix

#include "tests/curvix/KeysReference.h"

#include <cmath>

namespace curvix_test {

namespace {

int clamp_level(int n) { return n < 0 ? 0 : (n > 64 ? 64 : n); }

bool bit(std::uint64_t v, int i) { return ((v >> i) & 1u) != 0; }

}  // namespace

void KeysReference::peano_range(double xmin, double xmax, double ymin, double ymax) {
  xmin_ = xmin;
  xmax_ = xmax;
  ymin_ = ymin;
  ymax_ = ymax;
}

std::uint32_t KeysReference::scaled(double v, double lo, double hi) {
  const long double t = (static_cast<long double>(v) - lo) / (static_cast<long double>(hi) - lo) *
                        4294967295.0L;
  const long double whole = std::trunc(t);
  std::int64_t i = INT64_MIN;  // the integer-indefinite value of an x87 conversion
  if (!std::isnan(whole) && whole >= -0x1p63L && whole < 0x1p63L) {
    i = static_cast<std::int64_t>(whole);
  }
  return static_cast<std::uint32_t>(static_cast<std::uint64_t>(i));
}

std::uint64_t KeysReference::polar2pn(double x, double y, int nbits) const {
  const std::uint32_t sx = scaled(x, xmin_, xmax_);
  const std::uint32_t sy = scaled(y, ymin_, ymax_);
  std::uint64_t key = 0;
  for (int i = 64 - clamp_level(nbits); i <= 63; ++i) {
    const bool b = i % 2 == 1 ? bit(sx, i / 2) : bit(sy, i / 2);
    if (b) {
      key |= std::uint64_t{1} << i;
    }
  }
  return key;
}

void KeysReference::lowleft(std::uint64_t key, int nbits, double& x, double& y) const {
  std::uint32_t sx = 0;
  std::uint32_t sy = 0;
  for (int i = 64 - clamp_level(nbits); i <= 63; ++i) {
    if (bit(key, i)) {
      (i % 2 == 1 ? sx : sy) += std::uint32_t{1} << (i / 2);
    }
  }
  x = sx / 4294967295.0 * (xmax_ - xmin_) + xmin_;
  y = sy / 4294967295.0 * (ymax_ - ymin_) + ymin_;
}

void KeysReference::topright(std::uint64_t key, int nbits, double& x, double& y) const {
  std::uint32_t sx = 0xFFFFFFFFu;
  std::uint32_t sy = 0xFFFFFFFFu;
  for (int i = 64 - clamp_level(nbits); i <= 63; ++i) {
    if (!bit(key, i)) {
      (i % 2 == 1 ? sx : sy) -= std::uint32_t{1} << (i / 2);
    }
  }
  x = sx / 4294967295.0 * (xmax_ - xmin_) + xmin_;
  y = sy / 4294967295.0 * (ymax_ - ymin_) + ymin_;
}

void KeysReference::centre(std::uint64_t key, int nbits, double& x, double& y) const {
  std::uint32_t sx = 0;
  std::uint32_t sy = 0;
  const int level = clamp_level(nbits);
  for (int i = 64 - level; i <= 63; ++i) {
    if (bit(key, i)) {
      (i % 2 == 1 ? sx : sy) += std::uint32_t{1} << (i / 2);
    }
  }
  const int m = 64 - level;
  if (m % 2 == 0) {
    if (m > 0) {
      sx += std::uint32_t{1} << (m / 2 - 1);
      sy += std::uint32_t{1} << (m / 2 - 1);
    }
  } else {
    sy += std::uint32_t{1} << (m / 2);
    if (m > 1) {
      sx += std::uint32_t{1} << (m / 2 - 1);
    }
  }
  x = sx / 4294967295.0 * (xmax_ - xmin_) + xmin_;
  y = sy / 4294967295.0 * (ymax_ - ymin_) + ymin_;
}

CoverageResult KeysReference::coverage(double x1, double y1, double x2, double y2) const {
  CoverageResult r{};
  const double w = x2 > x1 ? std::fabs(x2 - x1) + xmin_ : (x2 - x1) + xmax_;
  const double h = std::fabs(y2 - y1) + ymin_;
  const std::uint64_t e = polar2pn(w, h, 64);
  int j = 65;
  for (int i = 63; i >= 0; --i) {
    if (bit(e, i)) {
      j = 64 - i;
      break;
    }
  }
  const int level = j - 1;
  r.mask = 0;
  for (int i = 64 - level; i <= 63; ++i) {
    r.mask |= std::uint64_t{1} << i;
  }
  r.ka = polar2pn(x1, y1, 64) & r.mask;
  r.kb = polar2pn(x2, y2, 64) & r.mask;
  r.kc = polar2pn(x1, y2, 64) & r.mask;
  r.kd = polar2pn(x2, y1, 64) & r.mask;
  lowleft(r.ka, level, r.llx, r.lly);
  topright(r.kb, level, r.urx, r.ury);
  if (r.ka == r.kb) {
    r.count = 1;
  } else if (r.kc == r.ka || r.kc == r.kb) {
    r.count = 2;
  } else {
    r.count = 4;
  }
  return r;
}

}  // namespace curvix_test

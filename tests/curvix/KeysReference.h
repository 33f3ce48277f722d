// A literal, slow transcription of the key library, bit loop by bit loop, with its own key
// frame: the yardstick the library is checked against bit for bit, and the benchmarks' baseline.
#pragma once

#include <cstdint>

namespace curvix_test {

struct CoverageResult {
  std::int32_t count;
  std::uint64_t mask, ka, kb, kc, kd;
  double llx, lly, urx, ury;
};

class KeysReference {
 public:
  void peano_range(double xmin, double xmax, double ymin, double ymax);

  // Levels outside 0 ... 64 are taken as the nearest valid level, as the library does.
  std::uint64_t polar2pn(double x, double y, int nbits) const;
  void lowleft(std::uint64_t key, int nbits, double& x, double& y) const;
  void topright(std::uint64_t key, int nbits, double& x, double& y) const;
  void centre(std::uint64_t key, int nbits, double& x, double& y) const;
  CoverageResult coverage(double x1, double y1, double x2, double y2) const;

  static std::uint32_t scaled(double v, double lo, double hi);

 private:
  double xmin_ = 0;
  double xmax_ = 360;
  double ymin_ = -90;
  double ymax_ = 90;
};

}  // namespace curvix_test

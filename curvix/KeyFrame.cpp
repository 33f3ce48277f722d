#include "curvix/KeyFrame.h"

#include "curvix/curvix.h"

namespace curvix {

// Until peano_range is called the frame keys longitude 0 ... 360 and latitude -90 ... 90.
constinit KeyFrame g_frame = make_frame(0.0, 360.0, -90.0, 90.0);

std::uint32_t scaled_extended(double v, double lo, double hi) {
  const long double t = (static_cast<long double>(v) - static_cast<long double>(lo)) /
                        (static_cast<long double>(hi) - static_cast<long double>(lo)) *
                        4294967295.0L;
  // |t| >= 2^63 and NaN convert to the integer-indefinite value 0x8000000000000000; so does
  // trunc(t) = -2^63 itself. All of them have zero low bits.
  const long double magnitude = t < 0 ? -t : t;
  if (!(magnitude < 0x1p63L)) {
    return 0;
  }
  return static_cast<std::uint32_t>(static_cast<std::uint64_t>(static_cast<std::int64_t>(t)));
}

}  // namespace curvix

extern "C" CURVIX_API void peano_range(double xmin, double xmax, double ymin, double ymax) {
  curvix::g_frame = curvix::make_frame(xmin, xmax, ymin, ymax);
}

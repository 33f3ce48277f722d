// The neighbour walk's integer comparisons as plain comparisons of |dx| and |dy|. Private to
// curvix.
#pragma once

namespace curvix {

// trunc(a) > r holds, for a >= 0 or NaN, exactly when a >= stop_threshold(r): the smallest
// integer above r (NaN, never, for r = +inf or NaN).
double stop_threshold(double r);

// trunc(a) >= r holds, likewise, exactly when a >= skip_threshold(r) = ceil(r).
double skip_threshold(double r);

}  // namespace curvix

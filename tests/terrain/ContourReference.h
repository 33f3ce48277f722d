#pragma once
// A literal, slow transcription of the contour tracer: a grid of single-precision differences per
// level, crossings by sign products, the walk exactly as written down. The fast tracer must give
// the same lines, point for point.

#include <cstdint>
#include <vector>

#include "terrain/Contour.h"

namespace velmara::test {

std::vector<TContour> ReferenceContours(const int16_t* heights, int gridSize, int startLevel, int endLevel,
                                        int heightScale, bool useInterval, int interval);

}  // namespace velmara::test

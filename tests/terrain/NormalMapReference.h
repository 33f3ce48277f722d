#pragma once
// The normal-map formula as written: row by row, neighbours wrapping at the last row and column,
// every pixel straight from the formula in double precision.

#include <cstdint>
#include <vector>

namespace velmara::test {

std::vector<uint32_t> ReferenceNormals(const int16_t* grid, int n, int normalScale, int minHeight, int maxHeight);

}  // namespace velmara::test

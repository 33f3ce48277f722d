#pragma once
// The shading normals of a height grid as an RGBA picture (red and green the slope, blue the up
// component, each mapped from -1 ... 1 to 1 ... 255).

#include <cstdint>

namespace velmara {

// grid[x * n + y]; out[y * n + x] as bytes R, G, B, A. The last row and column take their
// neighbour from the first (the grid wraps). A flat grid (max = min) is shaded flat.
void MakeNormalMap(const int16_t* grid, int n, int normalScale, int minHeight, int maxHeight, uint32_t* out);

// One pixel of the map in memory order R, G, B, A as a 32-bit value.
constexpr uint32_t PackRgba(uint32_t r, uint32_t g, uint32_t b, uint32_t a) { return r | g << 8 | b << 16 | a << 24; }

}  // namespace velmara

#include "tests/terrain/NormalMapReference.h"

#include <algorithm>
#include <cmath>

#include "terrain/NormalMap.h"

namespace velmara::test {

std::vector<uint32_t> ReferenceNormals(const int16_t* grid, int n, int normalScale, int minHeight, int maxHeight) {
  std::vector<uint32_t> out(std::size_t(n) * n);
  const double s = double(normalScale) / (maxHeight - minHeight);
  auto clamp = [](double v) { return std::clamp(v, -1.0, 1.0); };
  for (int i = 0; i < n; ++i) {
    const int i2 = i + 1 < n ? i + 1 : 0;
    for (int j = 0; j < n; ++j) {
      const int j2 = j + 1 < n ? j + 1 : 0;
      const double h = grid[std::size_t(j) * n + i], hy = grid[std::size_t(j) * n + i2], hx = grid[std::size_t(j2) * n + i];
      const double nx = (hx - h) * s, ny = s * (h - hy), r = 1 / std::sqrt(nx * nx + ny * ny + 1);
      const auto red = static_cast<uint32_t>(std::nearbyint(clamp(nx * r) * 127 + 128));
      const auto green = static_cast<uint32_t>(std::nearbyint(clamp(ny * r) * 127 + 128));
      const auto blue = static_cast<uint32_t>(std::nearbyint(r * 127 + 128));
      out[std::size_t(i) * n + j] = PackRgba(red, green, blue, 255);
    }
  }
  return out;
}

}  // namespace velmara::test

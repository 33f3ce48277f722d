#include "scene/terrain/TerrainContours.h"

#include <algorithm>
#include <cmath>

namespace velmara::scene {
namespace {

constexpr float kLevelLift = 0.1f;

}  // namespace

void appendTriangleContours(std::span<const glm::vec3, 3> corners, float interval, float waterLevel,
                            std::vector<glm::vec3>& segments) {
  if (interval <= 0.0f) return;
  const float lowest = std::min({corners[0].z, corners[1].z, corners[2].z});
  const float highest = std::max({corners[0].z, corners[1].z, corners[2].z});
  if (highest > waterLevel) return;
  // Levels L with lowest < L ≤ highest: some corner lies below L and some at or above it.
  for (float k = std::floor((lowest - kLevelLift) / interval) + 1.0f;; k += 1.0f) {
    const float level = k * interval + kLevelLift;
    if (level > highest) break;
    if (level <= lowest) continue;
    int found = 0;
    for (int e = 0; e < 3 && found < 2; ++e) {
      const glm::vec3& a = corners[e];
      const glm::vec3& b = corners[(e + 1) % 3];
      if ((a.z < level) == (b.z < level)) continue;
      const float t = (level - a.z) / (b.z - a.z);
      segments.push_back(a + (b - a) * t);
      ++found;
    }
  }
}

}  // namespace velmara::scene

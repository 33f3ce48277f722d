#include "scene/geometry/PolygonTriangulation.h"

#include <cmath>
#include <numeric>

namespace velmara::scene {
namespace {

float cross2(const glm::vec2& a, const glm::vec2& b) { return a.x * b.y - a.y * b.x; }

bool insideTriangle(const glm::vec2& p, const glm::vec2& a, const glm::vec2& b, const glm::vec2& c) {
  return cross2(b - a, p - a) >= 0.0f && cross2(c - b, p - b) >= 0.0f && cross2(a - c, p - c) >= 0.0f;
}

}  // namespace

glm::vec3 polygonNormal(std::span<const glm::vec3> corners) {
  glm::vec3 normal(0.0f);
  for (std::size_t i = 0; i < corners.size(); ++i) {
    const glm::vec3& a = corners[i];
    const glm::vec3& b = corners[(i + 1) % corners.size()];
    normal += glm::vec3((a.y - b.y) * (a.z + b.z), (a.z - b.z) * (a.x + b.x), (a.x - b.x) * (a.y + b.y));
  }
  const float length = glm::length(normal);
  return length > 0.0f ? normal / length : glm::vec3(0, 1, 0);
}

std::vector<std::uint32_t> triangulatePolygon(std::span<const glm::vec3> corners) {
  std::vector<std::uint32_t> triangles;
  if (corners.size() < 3) return triangles;

  // Work in the plane: two axes across the normal, so that the corners run counter-clockwise.
  const glm::vec3 normal = polygonNormal(corners);
  const glm::vec3 helper = std::abs(normal.y) < 0.9f ? glm::vec3(0, 1, 0) : glm::vec3(1, 0, 0);
  const glm::vec3 u = glm::normalize(glm::cross(helper, normal));
  const glm::vec3 v = glm::cross(normal, u);
  std::vector<glm::vec2> flat;
  for (const glm::vec3& corner : corners) flat.emplace_back(glm::dot(corner, u), glm::dot(corner, v));

  std::vector<std::uint32_t> remaining(corners.size());
  std::iota(remaining.begin(), remaining.end(), 0u);
  // Ear clipping: cut off a convex corner whose triangle holds no other corner, until three are left.
  while (remaining.size() > 3) {
    bool clipped = false;
    for (std::size_t i = 0; i < remaining.size(); ++i) {
      const std::uint32_t ia = remaining[(i + remaining.size() - 1) % remaining.size()];
      const std::uint32_t ib = remaining[i];
      const std::uint32_t ic = remaining[(i + 1) % remaining.size()];
      const glm::vec2 &a = flat[ia], &b = flat[ib], &c = flat[ic];
      if (cross2(b - a, c - b) <= 0.0f) continue;  // reflex or straight corner
      bool empty = true;
      for (const std::uint32_t other : remaining) {
        if (other == ia || other == ib || other == ic) continue;
        if (insideTriangle(flat[other], a, b, c)) {
          empty = false;
          break;
        }
      }
      if (!empty) continue;
      triangles.insert(triangles.end(), {ia, ib, ic});
      remaining.erase(remaining.begin() + static_cast<std::ptrdiff_t>(i));
      clipped = true;
      break;
    }
    // A self-touching outline can leave no clean ear; stop rather than loop for ever.
    if (!clipped) break;
  }
  if (remaining.size() == 3) triangles.insert(triangles.end(), {remaining[0], remaining[1], remaining[2]});
  return triangles;
}

}  // namespace velmara::scene

#pragma once
// Triangles covering a closed, simple polygon given by its corners in order (convex or not),
// as index triples into the corners. The polygon may lie in any plane; it need not be exactly
// flat (the plane of best fit is used).

#include <glm/glm.hpp>

#include <cstdint>
#include <span>
#include <vector>

namespace velmara::scene {

std::vector<std::uint32_t> triangulatePolygon(std::span<const glm::vec3> corners);
// The polygon's unit normal by Newell's method (counter-clockwise corners face it).
glm::vec3 polygonNormal(std::span<const glm::vec3> corners);

}  // namespace velmara::scene

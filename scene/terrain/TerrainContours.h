#pragma once
// Depth contours drawn by the terrain renderer itself: isolines cut through each triangle of the
// tessellated mesh, under water only. GL-free.

#include <glm/glm.hpp>

#include <span>
#include <vector>

namespace velmara::scene {

// For a triangle whose three corners all lie at or below `waterLevel` (z is the stored height),
// appends one segment (two points) for every level k × interval + 0.1 that passes between its
// lowest and highest corner. Levels never equal an integer height, so a level that is crossed
// crosses exactly two edges. Nothing for interval ≤ 0.
void appendTriangleContours(std::span<const glm::vec3, 3> corners, float interval, float waterLevel,
                            std::vector<glm::vec3>& segments);

}  // namespace velmara::scene

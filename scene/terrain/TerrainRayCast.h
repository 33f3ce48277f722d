#pragma once
// Where a ray first meets a height field: z = h(x, y) over a rectangle of grid samples, each cell
// made of two triangles divided by the diagonal from its south-east to its north-west corner
// (the triangulation the height source interpolates with). GL-free.

#include <glm/glm.hpp>

#include <functional>
#include <optional>

namespace velmara::scene {

struct SampleRect {
  int left = 0;
  int bottom = 0;
  int right = 0;  // inclusive
  int top = 0;    // inclusive
};

// The ray is origin + t × direction (direction need not be unit length); the answer is the
// smallest t ≥ 0 at which it meets the surface, if it does inside the rectangle.
std::optional<float> castRayOnHeightField(const glm::vec3& origin, const glm::vec3& direction, const SampleRect& rect,
                                          const std::function<float(int x, int y)>& height);

}  // namespace velmara::scene

#pragma once
// The tube of a pipe object: rings about each node joined into one smooth surface. Each ring lies
// in the plane that halves the bend at its node, so joints close without gaps or kinks, and the
// ring frame is carried along the tube without twisting.

#include "scene/geometry/MeshData.h"

#include <span>
#include <vector>

namespace velmara::scene {

struct PipeNode {
  glm::vec3 position{0.0f};
  float radius = 1.0f;
};

// Fewer than two distinct nodes give an empty mesh. Caps close both ends.
MeshData buildPipeGeometry(std::span<const PipeNode> nodes, int slices, bool caps);

// The nodes a coarser pipe needs: every node whose removal would move the path (or change the
// radius) by more than `tolerance` is kept (Douglas–Peucker); the ends always are.
std::vector<PipeNode> simplifyPipePath(std::span<const PipeNode> nodes, float tolerance);

}  // namespace velmara::scene

#pragma once
// Generators of the standard solids, each in its object's own frame. Most are unit shapes that
// the objects scale to their size, so that objects of different sizes share one mesh (and one
// instanced draw); the shared instances come from SharedShapes.

#include "scene/geometry/MeshData.h"

namespace velmara::scene::shapes {

// Radius 1 about the origin; `stacks` bands from pole to pole.
MeshData sphere(int slices, int stacks);
// 1 × 1 × 1 about the origin.
MeshData cube();
// Round about Y from y = −0.5 (radius 1) to y = +0.5 (radius topRadius, 0 for a cone), capped.
MeshData cone(int slices, float topRadius);
// 1 × 1 in the XY plane, facing +Z, texture coordinates 0 … 1.
MeshData plane();
// A flat ring in the XY plane facing +Z: outer radius 1, inner radius innerRadius (0 for a
// full disc), from startDegrees over sweepDegrees (counter-clockwise from +X).
MeshData disk(float innerRadius, int slices, int loops, float startDegrees, float sweepDegrees);
// A truncated square pyramid: base 1 × 1 at y = −0.5, top topScale × topScale at y = +0.5.
MeshData frustum(float topScale);
// An arrow along +Z from its tail at the origin: a shaft of `height − headHeight` and a cone head.
MeshData arrow(float height, float headHeight, float bottomRadius, float topRadius, float headRadius, int slices);

}  // namespace velmara::scene::shapes

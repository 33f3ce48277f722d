#pragma once
// Split-only real-time optimally adapting mesh (ROAM) tessellation of a set of terrain patches.
//
// Every patch starts as its two root triangles; a triangle is halved where its height error, seen
// from the eye, is larger than the allowed screen error. Halving a triangle whose hypotenuse
// neighbour is coarser first halves that neighbour (recursively), and a triangle is always halved
// together with its hypotenuse partner, so the mesh never has a T-junction: no cracks between
// triangles, levels or patches. The triangle budget is a hard limit; patches are refined in the
// order given (nearest first), so when the budget runs out the detail stays near the eye.
//
// Works in the terrain's own frame: x, y in grid cells, z in stored height units. GL-free; the
// node pool and the index list are reused from one tessellation to the next.

#include "scene/terrain/TerrainPatch.h"

#include <glm/glm.hpp>

#include <cstdint>
#include <span>
#include <vector>

namespace velmara::scene {

struct RoamPatch {
  const TerrainPatch* patch = nullptr;
  // Indexes of the neighbouring entries in the same span, −1 where there is none.
  int west = -1;
  int east = -1;
  int south = -1;
  int north = -1;
  // False: left at its root triangles unless a neighbour forces halving.
  bool refine = true;
  // Index of the patch's first vertex in the vertex buffer; vertex (i, j) follows at
  // vertexBase + j × (size + 1) + i.
  std::uint32_t vertexBase = 0;
};

struct RoamSettings {
  glm::vec3 eye{0.0f};     // in the terrain's frame
  glm::vec3 metric{1.0f};  // scene length of one unit along each axis of the terrain's frame
  // A triangle is halved when error × splitFactor > its distance from the eye (both in scene
  // units): splitFactor is the focal length in pixels over the allowed error in pixels.
  float splitFactor = 1.0f;
  std::size_t maxTriangles = 150000;
};

class RoamTessellator {
public:
  // Tessellates the patches, visiting them in `order` (indexes into `patches`). All patches are
  // of one size.
  void tessellate(std::span<const RoamPatch> patches, std::span<const int> order, const RoamSettings& settings);

  // Three vertex indexes per triangle, counter-clockwise seen from above.
  const std::vector<std::uint32_t>& indices() const { return indices_; }
  std::size_t triangleCount() const { return indices_.size() / 3; }
  // Whether the last tessellation stopped halving because of the budget.
  bool budgetReached() const { return budgetReached_; }

  // Calls visit(patchIndex, triangle) for every triangle of the last tessellation.
  template <typename Visit>
  void forEachTriangle(Visit&& visit) const {
    for (std::size_t p = 0; p < patches_.size(); ++p) {
      for (int r = 0; r < 2; ++r) walkLeaves(rootNode(static_cast<int>(p), r), patches_[p].patch->root(r), static_cast<int>(p), visit);
    }
  }

private:
  struct Node {
    std::int32_t leftChild = -1;  // the right child follows it
    std::int32_t base = -1;       // neighbour across the hypotenuse
    std::int32_t left = -1;       // across the leg from the apex to the left end
    std::int32_t right = -1;      // across the leg from the apex to the right end
    // Vertex indexes of the corners. A patch's vertex index is linear in (i, j), so the
    // hypotenuse middle's index is the mean of its ends'.
    std::uint32_t apex = 0;
    std::uint32_t leftEnd = 0;
    std::uint32_t rightEnd = 0;
    std::uint32_t unused = 0;
  };

  static int rootNode(int patch, int root) { return 2 * patch + root; }
  void linkRoots(std::span<const RoamPatch> patches);
  void refine(int node, int patch, int root, std::uint32_t heapNode, const BinTriangle& triangle, int depth);
  bool split(int node);
  void halve(int node);
  void replaceNeighbour(int node, int from, int to);
  void emitIndices();

  template <typename Visit>
  void walkLeaves(int node, const BinTriangle& triangle, int patch, Visit& visit) const {
    const Node& n = nodes_[node];
    if (n.leftChild < 0) {
      visit(patch, triangle);
      return;
    }
    walkLeaves(n.leftChild, triangle.leftChild(), patch, visit);
    walkLeaves(n.leftChild + 1, triangle.rightChild(), patch, visit);
  }

  std::vector<RoamPatch> patches_;
  std::vector<Node> nodes_;
  std::size_t used_ = 0;
  std::size_t leaves_ = 0;
  std::size_t maxLeaves_ = 0;
  bool budgetReached_ = false;
  RoamSettings settings_;
  float errorFactor_ = 1.0f;
  std::vector<float> reach_;
  std::vector<std::uint32_t> indices_;
};

}  // namespace velmara::scene

#pragma once
// One square patch of the terrain as the renderer keeps it: (size + 1)² heights of a tile from the
// height-data source, and for each of its two root triangles the variance tree that drives the
// bintree tessellation. GL-free.
//
// Patch coordinates (i, j) run 0 … size east and north from the patch's south-west sample, grid
// cell (x0, y0). The two roots share the diagonal from the north-west to the south-east corner:
// root 0 has its right angle in the south-west, root 1 in the north-east.

#include <cstdint>
#include <vector>

namespace velmara::scene {

struct PatchPoint {
  int i = 0;
  int j = 0;
};

// A bintree triangle by its corners: the right-angle apex and the two ends of its hypotenuse.
struct BinTriangle {
  PatchPoint apex;
  PatchPoint left;
  PatchPoint right;

  PatchPoint hypotenuseMiddle() const { return {(left.i + right.i) / 2, (left.j + right.j) / 2}; }
  // The two halves: the left child's hypotenuse is this one's leg from the apex to the left end.
  BinTriangle leftChild() const { return {hypotenuseMiddle(), apex, left}; }
  BinTriangle rightChild() const { return {hypotenuseMiddle(), right, apex}; }
};

class TerrainPatch {
public:
  // `heights` holds (size + 1)² samples, row by row from the south; size a power of two ≥ 2.
  TerrainPatch(int x0, int y0, int size, std::vector<float> heights);

  int x0() const { return x0_; }
  int y0() const { return y0_; }
  int size() const { return size_; }
  float height(PatchPoint p) const { return heights_[static_cast<std::size_t>(p.j) * (size_ + 1) + p.i]; }
  const std::vector<float>& heights() const { return heights_; }
  float minHeight() const { return minHeight_; }
  float maxHeight() const { return maxHeight_; }

  static BinTriangle root(int index, int size);
  BinTriangle root(int index) const { return root(index, size_); }
  // Levels of the bintree below a root whose triangles can still be halved on the sample grid.
  int splitLevels() const { return splitLevels_; }
  // Largest height error of node `node` (1 = the root, children 2n and 2n + 1) or any node below
  // it: how far the surface strays from the triangle's plane inside it, in height units. Kept as
  // 16-bit half units (exact for whole-number heights), so that a patch's trees stay in cache.
  float variance(int rootIndex, std::uint32_t node) const { return 0.5f * static_cast<float>(variance_[rootIndex][node]); }

private:
  float computeVariance(int rootIndex, std::uint32_t node, const BinTriangle& triangle, int depth);

  int x0_;
  int y0_;
  int size_;
  int splitLevels_ = 0;
  std::vector<float> heights_;
  float minHeight_ = 0.0f;
  float maxHeight_ = 0.0f;
  std::vector<std::uint16_t> variance_[2];
};

}  // namespace velmara::scene

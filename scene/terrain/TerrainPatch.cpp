#include "scene/terrain/TerrainPatch.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <stdexcept>

namespace velmara::scene {

TerrainPatch::TerrainPatch(int x0, int y0, int size, std::vector<float> heights)
    : x0_(x0), y0_(y0), size_(size), heights_(std::move(heights)) {
  if (size < 2 || !std::has_single_bit(static_cast<unsigned>(size)))
    throw std::invalid_argument("terrain patch size must be a power of two of at least 2");
  if (heights_.size() != static_cast<std::size_t>(size + 1) * (size + 1))
    throw std::invalid_argument("terrain patch needs (size + 1)² heights");
  const auto [lowest, highest] = std::minmax_element(heights_.begin(), heights_.end());
  minHeight_ = *lowest;
  maxHeight_ = *highest;
  // A square of side 2^p halves down to triangles of unit legs in 2p levels; the last level's
  // hypotenuse middles fall between samples.
  splitLevels_ = 2 * std::countr_zero(static_cast<unsigned>(size));
  for (int r = 0; r < 2; ++r) {
    variance_[r].assign(std::size_t{1} << splitLevels_, 0);
    computeVariance(r, 1, root(r), 0);
  }
}

BinTriangle TerrainPatch::root(int index, int size) {
  const PatchPoint sw{0, 0}, se{size, 0}, nw{0, size}, ne{size, size};
  return index == 0 ? BinTriangle{sw, nw, se} : BinTriangle{ne, se, nw};
}

float TerrainPatch::computeVariance(int rootIndex, std::uint32_t node, const BinTriangle& triangle, int depth) {
  const float middle = height(triangle.hypotenuseMiddle());
  float error = std::fabs(middle - 0.5f * (height(triangle.left) + height(triangle.right)));
  if (depth + 1 < splitLevels_) {
    error = std::max({error, computeVariance(rootIndex, 2 * node, triangle.leftChild(), depth + 1),
                      computeVariance(rootIndex, 2 * node + 1, triangle.rightChild(), depth + 1)});
  }
  variance_[rootIndex][node] = static_cast<std::uint16_t>(std::min(std::ceil(2.0f * error), 65535.0f));
  return error;
}

}  // namespace velmara::scene

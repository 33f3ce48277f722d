#include "scene/terrain/RoamTessellator.h"

#include <algorithm>
#include <cmath>

namespace velmara::scene {

void RoamTessellator::tessellate(std::span<const RoamPatch> patches, std::span<const int> order, const RoamSettings& settings) {
  patches_.assign(patches.begin(), patches.end());
  settings_ = settings;
  budgetReached_ = false;
  const std::size_t roots = 2 * patches_.size();
  maxLeaves_ = std::max(settings.maxTriangles, roots);
  // Each halving turns one leaf into two and takes two nodes.
  const std::size_t capacity = roots + 2 * (maxLeaves_ - roots);
  if (nodes_.size() < capacity) nodes_.resize(capacity);
  used_ = roots;
  leaves_ = roots;
  errorFactor_ = settings.metric.z * settings.splitFactor;
  // Half the hypotenuse of a triangle at each depth: the root's is half the patch diagonal, and
  // every level divides it by √2.
  reach_.clear();
  if (!patches_.empty()) {
    float half = 0.5f * static_cast<float>(patches_.front().patch->size()) * std::sqrt(2.0f) * std::max(settings.metric.x, settings.metric.y);
    for (int depth = 0; depth <= patches_.front().patch->splitLevels(); ++depth, half /= std::sqrt(2.0f)) reach_.push_back(half);
  }
  linkRoots(patches_);
  for (const int p : order) {
    if (!patches_[p].refine) continue;
    for (int r = 0; r < 2; ++r) refine(rootNode(p, r), p, r, 1, patches_[p].patch->root(r), 0);
  }
  emitIndices();
}

void RoamTessellator::linkRoots(std::span<const RoamPatch> patches) {
  auto rootOf = [](int patch, int root) { return patch < 0 ? -1 : rootNode(patch, root); };
  for (std::size_t i = 0; i < patches.size(); ++i) {
    const RoamPatch& p = patches[i];
    const int self = static_cast<int>(i);
    const auto row = static_cast<std::uint32_t>(p.patch->size() + 1);
    auto vertex = [&](PatchPoint q) { return p.vertexBase + static_cast<std::uint32_t>(q.j) * row + static_cast<std::uint32_t>(q.i); };
    const BinTriangle r0 = p.patch->root(0), r1 = p.patch->root(1);
    // Root 0: right angle south-west, legs on the west and south edges; root 1 the opposite.
    nodes_[rootNode(self, 0)] = Node{-1, rootNode(self, 1), rootOf(p.west, 1), rootOf(p.south, 1), vertex(r0.apex),
                                     vertex(r0.left), vertex(r0.right), 0};
    nodes_[rootNode(self, 1)] = Node{-1, rootNode(self, 0), rootOf(p.east, 0), rootOf(p.north, 0), vertex(r1.apex),
                                     vertex(r1.left), vertex(r1.right), 0};
  }
}

void RoamTessellator::refine(int node, int patch, int root, std::uint32_t heapNode, const BinTriangle& triangle, int depth) {
  const TerrainPatch& tp = *patches_[patch].patch;
  if (depth >= tp.splitLevels()) return;
  const float error = tp.variance(root, heapNode);
  if (error <= 0.0f) return;
  const PatchPoint middle = triangle.hypotenuseMiddle();
  const glm::vec3 offset =
      (glm::vec3(static_cast<float>(tp.x0() + middle.i), static_cast<float>(tp.y0() + middle.j), tp.height(middle)) - settings_.eye) *
      settings_.metric;
  // Halve when the error seen from the eye is too large: error × factor > distance − reach, where
  // the reach (half the hypotenuse) is how much nearer the eye the triangle comes than its middle.
  const float reach = reach_[static_cast<std::size_t>(depth)];
  const float allowed = error * errorFactor_ + reach;
  if (allowed * allowed <= glm::dot(offset, offset)) return;
  if (!split(node)) return;
  const int child = nodes_[node].leftChild;
  refine(child, patch, root, 2 * heapNode, triangle.leftChild(), depth + 1);
  refine(child + 1, patch, root, 2 * heapNode + 1, triangle.rightChild(), depth + 1);
}

bool RoamTessellator::split(int node) {
  if (nodes_[node].leftChild >= 0) return true;
  int base = nodes_[node].base;
  if (base >= 0 && nodes_[base].base != node) {
    // The neighbour across the hypotenuse is coarser: halve it first, which leaves one of its
    // halves as this triangle's partner.
    if (!split(base)) return false;
    base = nodes_[node].base;
    if (base < 0 || nodes_[base].base != node) return false;
  }
  const std::size_t halvings = base >= 0 ? 2 : 1;
  if (used_ + 2 * halvings > nodes_.size() || leaves_ + halvings > maxLeaves_) {
    budgetReached_ = true;
    return false;
  }
  halve(node);
  if (base >= 0) {
    halve(base);
    const int a = nodes_[node].leftChild;
    const int b = nodes_[base].leftChild;
    // The halves meet along the common hypotenuse: each left half faces the other's right half.
    nodes_[a].right = b + 1;
    nodes_[a + 1].left = b;
    nodes_[b].right = a + 1;
    nodes_[b + 1].left = a;
  }
  return true;
}

void RoamTessellator::halve(int node) {
  const int l = static_cast<int>(used_);
  used_ += 2;
  ++leaves_;
  Node& n = nodes_[node];
  n.leftChild = l;
  const std::uint32_t middle = (n.leftEnd + n.rightEnd) / 2;
  nodes_[l] = Node{-1, n.left, l + 1, -1, middle, n.apex, n.leftEnd, 0};
  nodes_[l + 1] = Node{-1, n.right, -1, l, middle, n.rightEnd, n.apex, 0};
  if (n.left >= 0) replaceNeighbour(n.left, node, l);
  if (n.right >= 0) replaceNeighbour(n.right, node, l + 1);
}

void RoamTessellator::replaceNeighbour(int node, int from, int to) {
  Node& n = nodes_[node];
  if (n.base == from) {
    n.base = to;
  } else if (n.left == from) {
    n.left = to;
  } else if (n.right == from) {
    n.right = to;
  }
}

void RoamTessellator::emitIndices() {
  indices_.resize(3 * leaves_);
  std::uint32_t* out = indices_.data();
  for (std::size_t n = 0; n < used_; ++n) {
    const Node& node = nodes_[n];
    if (node.leftChild >= 0) continue;
    // apex → left → right turns clockwise seen from above.
    out[0] = node.apex;
    out[1] = node.rightEnd;
    out[2] = node.leftEnd;
    out += 3;
  }
}

}  // namespace velmara::scene

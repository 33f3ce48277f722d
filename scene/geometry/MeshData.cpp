#include "scene/geometry/MeshData.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace velmara::scene {
namespace {

// Möller–Trumbore; the parameter of the hit, or a negative number for none.
float triangleHit(const Ray& ray, const glm::vec3& a, const glm::vec3& b, const glm::vec3& c) {
  const glm::vec3 edge1 = b - a;
  const glm::vec3 edge2 = c - a;
  const glm::vec3 p = glm::cross(ray.direction, edge2);
  const float determinant = glm::dot(edge1, p);
  if (std::abs(determinant) < 1e-12f) return -1.0f;
  const float inverse = 1.0f / determinant;
  const glm::vec3 s = ray.origin - a;
  const float u = glm::dot(s, p) * inverse;
  if (u < 0.0f || u > 1.0f) return -1.0f;
  const glm::vec3 q = glm::cross(s, edge1);
  const float v = glm::dot(ray.direction, q) * inverse;
  if (v < 0.0f || u + v > 1.0f) return -1.0f;
  return glm::dot(edge2, q) * inverse;
}

// Slab test: whether the ray meets the box at all.
bool boxHit(const Ray& ray, const Bounds& box) {
  float near = 0.0f;
  float far = std::numeric_limits<float>::max();
  for (int axis = 0; axis < 3; ++axis) {
    const float origin = ray.origin[axis];
    const float direction = ray.direction[axis];
    if (std::abs(direction) < 1e-12f) {
      if (origin < box.minimum[axis] || origin > box.maximum[axis]) return false;
      continue;
    }
    float t0 = (box.minimum[axis] - origin) / direction;
    float t1 = (box.maximum[axis] - origin) / direction;
    if (t0 > t1) std::swap(t0, t1);
    near = std::max(near, t0);
    far = std::min(far, t1);
    if (near > far) return false;
  }
  return true;
}

}  // namespace

MeshData::MeshData(std::vector<Vertex> vertices, std::vector<std::uint32_t> indices, Primitive primitive)
    : vertices_(std::move(vertices)), indices_(std::move(indices)), primitive_(primitive) {
  if (vertices_.empty()) return;
  bounds_.minimum = bounds_.maximum = vertices_.front().position;
  for (const Vertex& vertex : vertices_) {
    bounds_.minimum = glm::min(bounds_.minimum, vertex.position);
    bounds_.maximum = glm::max(bounds_.maximum, vertex.position);
  }
}

std::optional<float> MeshData::intersect(const Ray& ray) const {
  if (primitive_ != Primitive::Triangles || empty()) return std::nullopt;
  // Flat shapes have a box of no thickness; widen it a hair so that the slab test still passes.
  Bounds box = bounds_;
  box.minimum -= glm::vec3(1e-5f);
  box.maximum += glm::vec3(1e-5f);
  if (!boxHit(ray, box)) return std::nullopt;
  float nearest = std::numeric_limits<float>::max();
  for (std::size_t i = 0; i + 2 < indices_.size(); i += 3) {
    const float t = triangleHit(ray, vertices_[indices_[i]].position, vertices_[indices_[i + 1]].position,
                                vertices_[indices_[i + 2]].position);
    if (t >= 0.0f && t < nearest) nearest = t;
  }
  if (nearest == std::numeric_limits<float>::max()) return std::nullopt;
  return nearest;
}

}  // namespace velmara::scene

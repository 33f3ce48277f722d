#pragma once
// Geometry on the CPU side: interleaved vertices and indices, immutable once built, with its
// bounds. Shared between objects through std::shared_ptr<const MeshData>; the renderer keeps a
// copy on the graphics card under the mesh's resource id.

#include "scene/ResourceId.h"
#include "scene/camera/Ray.h"

#include <glm/glm.hpp>

#include <cstdint>
#include <optional>
#include <vector>

namespace velmara::scene {

struct Vertex {
  glm::vec3 position{0.0f};
  glm::vec3 normal{0.0f, 0.0f, 1.0f};
  glm::vec2 texcoord{0.0f};
};

struct Bounds {
  glm::vec3 minimum{0.0f};
  glm::vec3 maximum{0.0f};
  glm::vec3 centre() const { return (minimum + maximum) * 0.5f; }
  float radius() const { return glm::length(maximum - minimum) * 0.5f; }
};

class MeshData {
public:
  enum class Primitive { Triangles, Lines };

  MeshData() = default;
  MeshData(std::vector<Vertex> vertices, std::vector<std::uint32_t> indices,
           Primitive primitive = Primitive::Triangles);

  const std::vector<Vertex>& vertices() const { return vertices_; }
  const std::vector<std::uint32_t>& indices() const { return indices_; }
  Primitive primitive() const { return primitive_; }
  bool empty() const { return indices_.empty(); }
  const Bounds& bounds() const { return bounds_; }
  std::uint64_t id() const { return id_.value(); }

  // Nearest triangle hit of a ray in the mesh's own coordinates, as the ray parameter t
  // (point = origin + t · direction; the direction need not be unit length).
  std::optional<float> intersect(const Ray& ray) const;

private:
  std::vector<Vertex> vertices_;
  std::vector<std::uint32_t> indices_;
  Primitive primitive_ = Primitive::Triangles;
  Bounds bounds_;
  ResourceId id_;
};

}  // namespace velmara::scene

#pragma once
// Collects vertices and triangles while a shape is generated, then hands out the MeshData.

#include "scene/geometry/MeshData.h"

#include <cstdint>
#include <vector>

namespace velmara::scene {

class MeshBuilder {
public:
  std::uint32_t addVertex(const glm::vec3& position, const glm::vec3& normal, const glm::vec2& texcoord = {});
  void addTriangle(std::uint32_t a, std::uint32_t b, std::uint32_t c);
  // a, b, c, d counter-clockwise seen from the front.
  void addQuad(std::uint32_t a, std::uint32_t b, std::uint32_t c, std::uint32_t d);
  std::uint32_t vertexCount() const { return static_cast<std::uint32_t>(vertices_.size()); }

  // Adds a ring-to-ring side between two circles about the Y axis (radius r at height y), with
  // smooth normals, and caps (flat discs) where asked.
  void addConeSection(float bottomRadius, float topRadius, float bottomY, float topY, int slices, bool bottomCap,
                      bool topCap);

  MeshData build() &&;

private:
  void addCap(float radius, float y, int slices, bool facingUp);

  std::vector<Vertex> vertices_;
  std::vector<std::uint32_t> indices_;
};

}  // namespace velmara::scene

#include "scene/geometry/MeshBuilder.h"

#include <glm/gtc/constants.hpp>

#include <cmath>

namespace velmara::scene {

std::uint32_t MeshBuilder::addVertex(const glm::vec3& position, const glm::vec3& normal, const glm::vec2& texcoord) {
  vertices_.push_back(Vertex{position, normal, texcoord});
  return vertexCount() - 1;
}

void MeshBuilder::addTriangle(std::uint32_t a, std::uint32_t b, std::uint32_t c) {
  indices_.insert(indices_.end(), {a, b, c});
}

void MeshBuilder::addQuad(std::uint32_t a, std::uint32_t b, std::uint32_t c, std::uint32_t d) {
  addTriangle(a, b, c);
  addTriangle(a, c, d);
}

void MeshBuilder::addConeSection(float bottomRadius, float topRadius, float bottomY, float topY, int slices,
                                 bool bottomCap, bool topCap) {
  const float height = topY - bottomY;
  // The side's normal leans up by the slope of the side.
  const float slope = (bottomRadius - topRadius) / height;
  const std::uint32_t first = vertexCount();
  for (int i = 0; i <= slices; ++i) {
    const float u = static_cast<float>(i) / static_cast<float>(slices);
    const float angle = u * glm::two_pi<float>();
    const glm::vec3 around(std::sin(angle), 0.0f, std::cos(angle));
    const glm::vec3 normal = glm::normalize(around + glm::vec3(0.0f, slope, 0.0f));
    addVertex(around * bottomRadius + glm::vec3(0, bottomY, 0), normal, {u, 0.0f});
    addVertex(around * topRadius + glm::vec3(0, topY, 0), normal, {u, 1.0f});
  }
  for (int i = 0; i < slices; ++i) {
    const std::uint32_t b0 = first + 2 * static_cast<std::uint32_t>(i);
    addQuad(b0, b0 + 2, b0 + 3, b0 + 1);
  }
  if (bottomCap && bottomRadius > 0.0f) addCap(bottomRadius, bottomY, slices, false);
  if (topCap && topRadius > 0.0f) addCap(topRadius, topY, slices, true);
}

void MeshBuilder::addCap(float radius, float y, int slices, bool facingUp) {
  const glm::vec3 normal(0.0f, facingUp ? 1.0f : -1.0f, 0.0f);
  const std::uint32_t centre = addVertex({0.0f, y, 0.0f}, normal, {0.5f, 0.5f});
  for (int i = 0; i <= slices; ++i) {
    const float angle = static_cast<float>(i) / static_cast<float>(slices) * glm::two_pi<float>();
    const glm::vec2 around(std::sin(angle), std::cos(angle));
    addVertex({around.x * radius, y, around.y * radius}, normal, around * 0.5f + 0.5f);
  }
  for (int i = 0; i < slices; ++i) {
    const std::uint32_t a = centre + 1 + static_cast<std::uint32_t>(i);
    if (facingUp) {
      addTriangle(centre, a, a + 1);
    } else {
      addTriangle(centre, a + 1, a);
    }
  }
}

MeshData MeshBuilder::build() && { return MeshData(std::move(vertices_), std::move(indices_)); }

}  // namespace velmara::scene

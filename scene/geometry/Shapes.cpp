#include "scene/geometry/Shapes.h"

#include "scene/geometry/MeshBuilder.h"

#include <glm/gtc/constants.hpp>

#include <algorithm>
#include <cmath>

namespace velmara::scene::shapes {

MeshData sphere(int slices, int stacks) {
  MeshBuilder builder;
  for (int j = 0; j <= stacks; ++j) {
    const float v = static_cast<float>(j) / static_cast<float>(stacks);
    const float polar = v * glm::pi<float>();
    // Exact poles: sin(pi) in floats is not quite 0.
    const float ring = j == 0 || j == stacks ? 0.0f : std::sin(polar);
    const float height = j == 0 ? -1.0f : j == stacks ? 1.0f : -std::cos(polar);
    for (int i = 0; i <= slices; ++i) {
      const float u = static_cast<float>(i) / static_cast<float>(slices);
      const float azimuth = u * glm::two_pi<float>();
      const glm::vec3 normal(ring * std::sin(azimuth), height, ring * std::cos(azimuth));
      builder.addVertex(normal, normal, {u, v});
    }
  }
  const auto row = static_cast<std::uint32_t>(slices + 1);
  for (int j = 0; j < stacks; ++j) {
    for (int i = 0; i < slices; ++i) {
      const std::uint32_t a = static_cast<std::uint32_t>(j) * row + static_cast<std::uint32_t>(i);
      builder.addQuad(a, a + 1, a + 1 + row, a + row);
    }
  }
  return std::move(builder).build();
}

MeshData cube() {
  MeshBuilder builder;
  // Each face: its normal and two in-plane axes (right, up) seen from outside.
  const glm::vec3 faces[6][3] = {{{0, 0, 1}, {1, 0, 0}, {0, 1, 0}},  {{0, 0, -1}, {-1, 0, 0}, {0, 1, 0}},
                                 {{1, 0, 0}, {0, 0, -1}, {0, 1, 0}}, {{-1, 0, 0}, {0, 0, 1}, {0, 1, 0}},
                                 {{0, 1, 0}, {1, 0, 0}, {0, 0, -1}}, {{0, -1, 0}, {1, 0, 0}, {0, 0, 1}}};
  for (const auto& face : faces) {
    const glm::vec3 centre = face[0] * 0.5f;
    const glm::vec3 right = face[1] * 0.5f;
    const glm::vec3 up = face[2] * 0.5f;
    const std::uint32_t a = builder.addVertex(centre - right - up, face[0], {0, 0});
    const std::uint32_t b = builder.addVertex(centre + right - up, face[0], {1, 0});
    const std::uint32_t c = builder.addVertex(centre + right + up, face[0], {1, 1});
    const std::uint32_t d = builder.addVertex(centre - right + up, face[0], {0, 1});
    builder.addQuad(a, b, c, d);
  }
  return std::move(builder).build();
}

MeshData cone(int slices, float topRadius) {
  MeshBuilder builder;
  builder.addConeSection(1.0f, topRadius, -0.5f, 0.5f, slices, true, topRadius > 0.0f);
  return std::move(builder).build();
}

MeshData plane() {
  MeshBuilder builder;
  const glm::vec3 normal(0, 0, 1);
  const std::uint32_t a = builder.addVertex({-0.5f, -0.5f, 0}, normal, {0, 0});
  const std::uint32_t b = builder.addVertex({0.5f, -0.5f, 0}, normal, {1, 0});
  const std::uint32_t c = builder.addVertex({0.5f, 0.5f, 0}, normal, {1, 1});
  const std::uint32_t d = builder.addVertex({-0.5f, 0.5f, 0}, normal, {0, 1});
  builder.addQuad(a, b, c, d);
  return std::move(builder).build();
}

MeshData disk(float innerRadius, int slices, int loops, float startDegrees, float sweepDegrees) {
  MeshBuilder builder;
  const glm::vec3 normal(0, 0, 1);
  loops = std::max(loops, 1);
  const auto row = static_cast<std::uint32_t>(slices + 1);
  for (int j = 0; j <= loops; ++j) {
    const float radius = innerRadius + (1.0f - innerRadius) * static_cast<float>(j) / static_cast<float>(loops);
    for (int i = 0; i <= slices; ++i) {
      const float angle = glm::radians(startDegrees + sweepDegrees * static_cast<float>(i) / static_cast<float>(slices));
      const glm::vec2 point(std::cos(angle) * radius, std::sin(angle) * radius);
      builder.addVertex({point, 0.0f}, normal, point * 0.5f + 0.5f);
    }
  }
  for (int j = 0; j < loops; ++j) {
    for (int i = 0; i < slices; ++i) {
      const std::uint32_t a = static_cast<std::uint32_t>(j) * row + static_cast<std::uint32_t>(i);
      builder.addQuad(a, a + row, a + row + 1, a + 1);
    }
  }
  return std::move(builder).build();
}

MeshData frustum(float topScale) {
  MeshBuilder builder;
  const float b = 0.5f;
  const float t = 0.5f * topScale;
  const glm::vec3 base[4] = {{-b, -0.5f, b}, {b, -0.5f, b}, {b, -0.5f, -b}, {-b, -0.5f, -b}};
  const glm::vec3 top[4] = {{-t, 0.5f, t}, {t, 0.5f, t}, {t, 0.5f, -t}, {-t, 0.5f, -t}};
  for (int i = 0; i < 4; ++i) {
    const int n = (i + 1) % 4;
    const glm::vec3 normal = glm::normalize(glm::cross(base[n] - base[i], top[i] - base[i]));
    const std::uint32_t a = builder.addVertex(base[i], normal, {0, 0});
    const std::uint32_t c = builder.addVertex(base[n], normal, {1, 0});
    const std::uint32_t d = builder.addVertex(top[n], normal, {1, 1});
    const std::uint32_t e = builder.addVertex(top[i], normal, {0, 1});
    builder.addQuad(a, c, d, e);
  }
  const std::uint32_t b0 = builder.addVertex(base[0], {0, -1, 0});
  const std::uint32_t b1 = builder.addVertex(base[1], {0, -1, 0});
  const std::uint32_t b2 = builder.addVertex(base[2], {0, -1, 0});
  const std::uint32_t b3 = builder.addVertex(base[3], {0, -1, 0});
  builder.addQuad(b0, b3, b2, b1);
  if (topScale > 0.0f) {
    const std::uint32_t t0 = builder.addVertex(top[0], {0, 1, 0});
    const std::uint32_t t1 = builder.addVertex(top[1], {0, 1, 0});
    const std::uint32_t t2 = builder.addVertex(top[2], {0, 1, 0});
    const std::uint32_t t3 = builder.addVertex(top[3], {0, 1, 0});
    builder.addQuad(t0, t1, t2, t3);
  }
  return std::move(builder).build();
}

MeshData arrow(float height, float headHeight, float bottomRadius, float topRadius, float headRadius, int slices) {
  MeshBuilder builder;
  const float shaft = std::max(height - headHeight, 0.0f);
  builder.addConeSection(bottomRadius, topRadius, 0.0f, shaft, slices, true, false);
  builder.addConeSection(headRadius, 0.0f, shaft, height, slices, true, false);
  MeshData alongY = std::move(builder).build();
  // Built about Y; the arrow points along +Z (its object's direction): rotate Y onto Z.
  std::vector<Vertex> vertices = alongY.vertices();
  for (Vertex& vertex : vertices) {
    vertex.position = {vertex.position.x, -vertex.position.z, vertex.position.y};
    vertex.normal = {vertex.normal.x, -vertex.normal.z, vertex.normal.y};
  }
  return MeshData(std::move(vertices), alongY.indices());
}

}  // namespace velmara::scene::shapes

#include "scene/geometry/PipeGeometry.h"

#include "scene/geometry/MeshBuilder.h"

#include <glm/gtc/constants.hpp>

#include <algorithm>
#include <cmath>
#include <vector>

namespace velmara::scene {
namespace {

glm::vec3 anyPerpendicular(const glm::vec3& v) {
  const glm::vec3 other = std::abs(v.y) < 0.9f ? glm::vec3(0, 1, 0) : glm::vec3(1, 0, 0);
  return glm::normalize(glm::cross(v, other));
}

struct Ring {
  std::vector<glm::vec3> positions;
  std::vector<glm::vec3> normals;
  glm::vec3 tangent{0.0f};
};

}  // namespace

std::vector<PipeNode> simplifyPipePath(std::span<const PipeNode> nodes, float tolerance) {
  if (nodes.size() < 3) return {nodes.begin(), nodes.end()};
  std::vector<bool> keep(nodes.size(), false);
  keep.front() = keep.back() = true;
  std::vector<std::pair<std::size_t, std::size_t>> pending{{0, nodes.size() - 1}};
  while (!pending.empty()) {
    const auto [first, last] = pending.back();
    pending.pop_back();
    const glm::vec3 a = nodes[first].position;
    const glm::vec3 along = nodes[last].position - a;
    const float length2 = glm::dot(along, along);
    float worst = 0.0f;
    std::size_t worstAt = first;
    for (std::size_t k = first + 1; k < last; ++k) {
      const float t = length2 > 0.0f ? std::clamp(glm::dot(nodes[k].position - a, along) / length2, 0.0f, 1.0f) : 0.0f;
      const float radius = glm::mix(nodes[first].radius, nodes[last].radius, t);
      const float off = std::max(glm::length(nodes[k].position - (a + along * t)), std::abs(nodes[k].radius - radius));
      if (off > worst) {
        worst = off;
        worstAt = k;
      }
    }
    if (worst > tolerance) {
      keep[worstAt] = true;
      pending.emplace_back(first, worstAt);
      pending.emplace_back(worstAt, last);
    }
  }
  std::vector<PipeNode> kept;
  for (std::size_t i = 0; i < nodes.size(); ++i) {
    if (keep[i]) kept.push_back(nodes[i]);
  }
  return kept;
}

MeshData buildPipeGeometry(std::span<const PipeNode> input, int slices, bool caps) {
  // Nodes on top of each other carry no direction; drop them.
  std::vector<PipeNode> nodes;
  for (const PipeNode& node : input) {
    if (nodes.empty() || glm::length(node.position - nodes.back().position) > 1e-6f) nodes.push_back(node);
  }
  if (nodes.size() < 2) return {};

  const std::size_t count = nodes.size();
  std::vector<glm::vec3> segments(count - 1);
  for (std::size_t i = 0; i + 1 < count; ++i) segments[i] = glm::normalize(nodes[i + 1].position - nodes[i].position);

  std::vector<Ring> rings(count);
  glm::vec3 side = anyPerpendicular(segments.front());
  for (std::size_t i = 0; i < count; ++i) {
    const glm::vec3 in = i > 0 ? segments[i - 1] : segments[0];
    const glm::vec3 out = i + 1 < count ? segments[i] : segments[count - 2];
    glm::vec3 tangent = in + out;
    if (glm::length(tangent) < 1e-6f) tangent = out;  // a full reversal has no bisector
    tangent = glm::normalize(tangent);
    // Carry the frame along: drop from `side` its part along the new tangent.
    side -= glm::dot(side, tangent) * tangent;
    side = glm::length(side) < 1e-6f ? anyPerpendicular(tangent) : glm::normalize(side);
    const glm::vec3 other = glm::cross(tangent, side);
    // The bisecting plane cuts the tube at a slant; stretch the ring across the bend so that the
    // wall keeps its thickness (capped, so a hairpin does not throw out a spike).
    const float halfBend = std::acos(std::clamp(glm::dot(in, out), -1.0f, 1.0f)) * 0.5f;
    const float stretch = std::min(1.0f / std::max(std::cos(halfBend), 1e-3f), 2.0f);
    glm::vec3 bendAxis = out - in;
    bendAxis -= glm::dot(bendAxis, tangent) * tangent;
    const bool bends = glm::length(bendAxis) > 1e-6f;
    if (bends) bendAxis = glm::normalize(bendAxis);

    Ring& ring = rings[i];
    ring.tangent = tangent;
    for (int s = 0; s <= slices; ++s) {
      const float angle = static_cast<float>(s) / static_cast<float>(slices) * glm::two_pi<float>();
      const glm::vec3 radial = std::cos(angle) * side + std::sin(angle) * other;
      glm::vec3 offset = radial;
      if (bends) offset += bendAxis * glm::dot(radial, bendAxis) * (stretch - 1.0f);
      ring.positions.push_back(nodes[i].position + offset * nodes[i].radius);
      ring.normals.push_back(radial);
    }
  }

  MeshBuilder builder;
  for (std::size_t i = 0; i < count; ++i) {
    const float along = static_cast<float>(i) / static_cast<float>(count - 1);
    for (int s = 0; s <= slices; ++s) {
      builder.addVertex(rings[i].positions[s], rings[i].normals[s], {static_cast<float>(s) / static_cast<float>(slices), along});
    }
  }
  const auto row = static_cast<std::uint32_t>(slices + 1);
  for (std::uint32_t i = 0; i + 1 < count; ++i) {
    for (std::uint32_t s = 0; s < static_cast<std::uint32_t>(slices); ++s) {
      const std::uint32_t a = i * row + s;
      builder.addQuad(a, a + 1, a + row + 1, a + row);
    }
  }
  if (caps) {
    for (const bool end : {false, true}) {
      const std::size_t node = end ? count - 1 : 0;
      const glm::vec3 normal = end ? rings[node].tangent : -rings[node].tangent;
      const std::uint32_t centre = builder.addVertex(nodes[node].position, normal, {0.5f, 0.5f});
      for (int s = 0; s <= slices; ++s) builder.addVertex(rings[node].positions[s], normal);
      for (std::uint32_t s = 0; s < static_cast<std::uint32_t>(slices); ++s) {
        if (end) {
          builder.addTriangle(centre, centre + 1 + s, centre + 2 + s);
        } else {
          builder.addTriangle(centre, centre + 2 + s, centre + 1 + s);
        }
      }
    }
  }
  return std::move(builder).build();
}

}  // namespace velmara::scene

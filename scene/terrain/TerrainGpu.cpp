#include "scene/terrain/TerrainGpu.h"

#include <algorithm>
#include <cstddef>

namespace velmara::scene {

void TerrainGpu::reserveSlots(std::size_t slots, std::size_t verticesPerSlot) {
  if (slots <= slotContent_.size() && verticesPerSlot == verticesPerSlot_) return;
  verticesPerSlot_ = verticesPerSlot;
  // Grow with room to spare: a moving window asks for a few more slots now and then.
  const std::size_t capacity = std::max(slots + slots / 4, slotContent_.size());
  slotContent_.assign(capacity, 0);
  vertices_ = gl::Buffer();
  vertices_.setData(nullptr, capacity * verticesPerSlot * sizeof(Vertex), gl::Buffer::Usage::Dynamic);
  const auto stride = static_cast<GLsizei>(sizeof(Vertex));
  triangles_.setAttribute(state_, attribute::kPosition, vertices_, {3, GL_FLOAT, stride, offsetof(Vertex, position)});
  triangles_.setAttribute(state_, attribute::kNormal, vertices_, {3, GL_FLOAT, stride, offsetof(Vertex, normal)});
  triangles_.setAttribute(state_, attribute::kTexcoord, vertices_, {2, GL_FLOAT, stride, offsetof(Vertex, texcoord)});
  if (!trianglesBound_) {
    triangles_.setIndexBuffer(state_, indices_);
    trianglesBound_ = true;
  }
}

void TerrainGpu::upload(std::size_t slot, std::uint64_t patchId, std::span<const Vertex> vertices) {
  if (slot >= slotContent_.size() || vertices.size() != verticesPerSlot_) return;
  vertices_.setSubData(slot * verticesPerSlot_ * sizeof(Vertex), vertices.data(), vertices.size_bytes());
  slotContent_[slot] = patchId;
}

void TerrainGpu::setTriangles(std::uint64_t version, std::span<const std::uint32_t> indices) {
  if (version == trianglesVersion_) return;
  trianglesVersion_ = version;
  indices_.setData(indices, gl::Buffer::Usage::Stream);
  indexCount_ = indices.size();
  if (!trianglesBound_) {
    triangles_.setIndexBuffer(state_, indices_);
    trianglesBound_ = true;
  }
}

void TerrainGpu::setContours(std::uint64_t version, std::span<const glm::vec3> points) {
  if (version == contoursVersion_) return;
  contoursVersion_ = version;
  contourPoints_.setData(points, gl::Buffer::Usage::Stream);
  contourCount_ = points.size();
  contours_.setAttribute(state_, attribute::kPosition, contourPoints_, {3, GL_FLOAT, sizeof(glm::vec3), 0});
}

void TerrainGpu::drawTriangles() {
  if (indexCount_ == 0 || slotContent_.empty()) return;
  triangles_.bind(state_);
  glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(indexCount_), GL_UNSIGNED_INT, nullptr);
}

void TerrainGpu::drawContours() {
  if (contourCount_ == 0) return;
  contours_.bind(state_);
  glDrawArrays(GL_LINES, 0, static_cast<GLsizei>(contourCount_));
}

}  // namespace velmara::scene

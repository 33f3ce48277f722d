#pragma once
// The terrain's data on the graphics card: one vertex buffer of fixed-size patch slots (a patch's
// vertices stay there while the patch is cached), the index list of the current tessellation and
// the contour segments. Owned by the context's GPU resources, so it may be found new at any frame.

#include "scene/geometry/MeshData.h"
#include "scene/gl/Buffer.h"
#include "scene/gl/GlState.h"
#include "scene/gl/VertexArray.h"
#include "scene/render/GpuResources.h"

#include <glm/glm.hpp>

#include <cstdint>
#include <span>
#include <vector>

namespace velmara::scene {

class TerrainGpu : public CustomGpuState {
public:
  explicit TerrainGpu(gl::GlState& state) : state_(state) {}

  // Room for `slots` patches of `verticesPerSlot` vertices. Growing makes the buffer anew, and
  // every slot then reads as empty.
  void reserveSlots(std::size_t slots, std::size_t verticesPerSlot);
  // Whether slot `slot` holds the patch with this identity.
  bool holds(std::size_t slot, std::uint64_t patchId) const { return slot < slotContent_.size() && slotContent_[slot] == patchId; }
  void upload(std::size_t slot, std::uint64_t patchId, std::span<const Vertex> vertices);

  // Index list and contour segments, uploaded when their version differs from what is held.
  void setTriangles(std::uint64_t version, std::span<const std::uint32_t> indices);
  void setContours(std::uint64_t version, std::span<const glm::vec3> points);

  // Draw calls with the material already in use.
  void drawTriangles();
  void drawContours();

private:
  gl::GlState& state_;
  gl::Buffer vertices_;
  gl::Buffer indices_;
  gl::VertexArray triangles_;
  gl::Buffer contourPoints_;
  gl::VertexArray contours_;
  std::size_t verticesPerSlot_ = 0;
  std::vector<std::uint64_t> slotContent_;
  std::uint64_t trianglesVersion_ = 0;
  std::uint64_t contoursVersion_ = 0;
  std::size_t indexCount_ = 0;
  std::size_t contourCount_ = 0;
  bool trianglesBound_ = false;
};

}  // namespace velmara::scene

#pragma once
// Draws the frame's meshes: opaque ones grouped into instanced batches (one draw call for every
// mesh of a shape and material state), translucent ones back to front, merged where neighbours
// share a state.

#include "scene/gl/Buffer.h"
#include "scene/render/FrameData.h"
#include "scene/render/FrameStats.h"
#include "scene/render/MaterialBinder.h"

#include <span>
#include <unordered_map>
#include <vector>

namespace velmara::scene {

class MeshRenderer {
public:
  MeshRenderer(gl::GlState& state, GpuResources& resources, MaterialBinder& binder)
      : state_(state), resources_(resources), binder_(binder) {}

  // Opaque draws, in any order.
  void drawOpaque(std::span<const MeshDraw* const> draws, const FrameUniforms& frame, bool batching, FrameStats& stats);
  // Translucent draws, already sorted back to front.
  void drawSorted(std::span<const MeshDraw* const> draws, const FrameUniforms& frame, bool batching, FrameStats& stats);

private:
  struct Batch {
    const MeshData* mesh = nullptr;
    bool billboard = false;
    ResolvedMaterial material;
    std::uint32_t first = 0;
    std::uint32_t count = 0;
  };
  struct BatchKey {
    const MeshData* mesh;
    bool billboard;
    const ResolvedMaterial* material;
    bool operator==(const BatchKey& other) const {
      return mesh == other.mesh && billboard == other.billboard && material->sameState(*other.material);
    }
  };
  struct BatchKeyHash {
    std::size_t operator()(const BatchKey& key) const;
  };

  void drawBatches(const FrameUniforms& frame, bool batching, FrameStats& stats);

  gl::GlState& state_;
  GpuResources& resources_;
  MaterialBinder& binder_;
  gl::Buffer instanceBuffer_;
  std::vector<Batch> batches_;
  std::vector<InstanceData> instances_;
  std::vector<ResolvedMaterial> resolved_;
  std::unordered_map<BatchKey, std::uint32_t, BatchKeyHash> lookup_;
};

}  // namespace velmara::scene

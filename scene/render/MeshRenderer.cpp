#include "scene/render/MeshRenderer.h"

#include "scene/geometry/MeshData.h"

#include <algorithm>
#include <cstddef>
#include <functional>

namespace velmara::scene {

std::size_t MeshRenderer::BatchKeyHash::operator()(const BatchKey& key) const {
  return std::hash<const void*>()(key.mesh) ^ (key.material->hash() * 31) ^ (key.billboard ? 0x5bd1e995u : 0u);
}

void MeshRenderer::drawOpaque(std::span<const MeshDraw* const> draws, const FrameUniforms& frame, bool batching,
                              FrameStats& stats) {
  batches_.clear();
  lookup_.clear();
  resolved_.clear();
  resolved_.reserve(draws.size());
  std::vector<std::uint32_t> batchOf(draws.size());
  for (std::size_t i = 0; i < draws.size(); ++i) {
    const MeshDraw& draw = *draws[i];
    resolved_.push_back(resolveMaterial(*draw.material, draw.polygonMode, draw.culling));
    const BatchKey key{draw.mesh, draw.billboard, &resolved_.back()};
    auto [found, added] = lookup_.try_emplace(key, static_cast<std::uint32_t>(batches_.size()));
    if (added) batches_.push_back(Batch{draw.mesh, draw.billboard, resolved_.back(), 0, 0});
    batchOf[i] = found->second;
    ++batches_[found->second].count;
  }
  std::uint32_t next = 0;
  for (Batch& batch : batches_) {
    batch.first = next;
    next += batch.count;
    batch.count = 0;
  }
  instances_.resize(draws.size());
  for (std::size_t i = 0; i < draws.size(); ++i) {
    Batch& batch = batches_[batchOf[i]];
    instances_[batch.first + batch.count++] = draws[i]->instance;
  }
  drawBatches(frame, batching, stats);
}

void MeshRenderer::drawSorted(std::span<const MeshDraw* const> draws, const FrameUniforms& frame, bool batching,
                              FrameStats& stats) {
  batches_.clear();
  instances_.clear();
  for (const MeshDraw* draw : draws) {
    ResolvedMaterial material = resolveMaterial(*draw->material, draw->polygonMode, draw->culling);
    const bool joins = !batches_.empty() && batches_.back().mesh == draw->mesh &&
                       batches_.back().billboard == draw->billboard && batches_.back().material.sameState(material);
    if (!joins) {
      batches_.push_back(Batch{draw->mesh, draw->billboard, material, static_cast<std::uint32_t>(instances_.size()), 0});
    }
    ++batches_.back().count;
    instances_.push_back(draw->instance);
  }
  drawBatches(frame, batching, stats);
}

void MeshRenderer::drawBatches(const FrameUniforms& frame, bool batching, FrameStats& stats) {
  if (instances_.empty()) return;
  instanceBuffer_.setData(std::span<const InstanceData>(instances_), gl::Buffer::Usage::Stream);
  state_.setDepthTest(true);
  const auto stride = static_cast<GLsizei>(sizeof(InstanceData));
  for (const Batch& batch : batches_) {
    const gl::ShaderProgram* program = binder_.bind(batch.material, true, batch.billboard, frame);
    if (!program) {
      stats.failedDraws += static_cast<int>(batch.count);
      continue;
    }
    GpuMesh& mesh = resources_.mesh(*batch.mesh);
    // Per draw call: all instances of the batch, or one at a time without batching.
    const std::uint32_t step = batching ? batch.count : 1;
    for (std::uint32_t at = 0; at < batch.count; at += step) {
      const std::size_t offset = (batch.first + at) * sizeof(InstanceData);
      for (GLuint column = 0; column < 4; ++column) {
        mesh.vertexArray.setAttribute(state_, attribute::kInstanceFirst + column, instanceBuffer_,
                                      {4, GL_FLOAT, stride, offset + offsetof(InstanceData, model) + column * 16, 1});
      }
      const std::size_t colours[5] = {offsetof(InstanceData, diffuse), offsetof(InstanceData, ambient),
                                      offsetof(InstanceData, emission), offsetof(InstanceData, specular),
                                      offsetof(InstanceData, flags)};
      for (GLuint i = 0; i < 5; ++i) {
        mesh.vertexArray.setAttribute(state_, attribute::kInstanceFirst + 4 + i, instanceBuffer_,
                                      {4, GL_FLOAT, stride, offset + colours[i], 1});
      }
      const auto instances = static_cast<GLsizei>(std::min(step, batch.count - at));
      mesh.vertexArray.bind(state_);
      glDrawElementsInstanced(mesh.primitive, mesh.indexCount, GL_UNSIGNED_INT, nullptr, instances);
      ++stats.drawCalls;
    }
    ++stats.batches;
    stats.meshInstances += static_cast<int>(batch.count);
  }
}

}  // namespace velmara::scene

#pragma once
// The graphics-card copies of CPU-side data (meshes, pictures) and the samplers, keyed by the
// data's resource ids, made when first drawn and freed when nothing has drawn them for a while.
// One per GL context; must be destroyed while its context is current.

#include "scene/geometry/MeshData.h"
#include "scene/gl/Buffer.h"
#include "scene/gl/GlState.h"
#include "scene/gl/Sampler.h"
#include "scene/gl/Texture.h"
#include "scene/gl/VertexArray.h"
#include "scene/material/Image.h"
#include "scene/material/MaterialEnums.h"

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <tuple>
#include <unordered_map>

namespace velmara::scene {

// Vertex attribute locations every scene shader uses (custom drawing too).
namespace attribute {
constexpr GLuint kPosition = 0;
constexpr GLuint kNormal = 1;
constexpr GLuint kTexcoord = 2;
// Locations 4 … 12 carry per-instance data in instanced draws.
constexpr GLuint kInstanceFirst = 4;
}  // namespace attribute

struct GpuMesh {
  gl::Buffer vertices;
  gl::Buffer indices;
  gl::VertexArray vertexArray;
  GLsizei indexCount = 0;
  GLenum primitive = GL_TRIANGLES;
  std::uint64_t lastUsed = 0;
};

// GPU data a custom drawer keeps from frame to frame (a terrain's vertex slots), held here so
// that it is freed while its context is current. Dropped like the other copies when no frame has
// used it for a while: a drawer must expect to find it new.
class CustomGpuState {
public:
  virtual ~CustomGpuState() = default;
};

class GpuResources {
public:
  explicit GpuResources(gl::GlState& state) : state_(state) {}
  GpuResources(const GpuResources&) = delete;
  GpuResources& operator=(const GpuResources&) = delete;

  GpuMesh& mesh(const MeshData& data);
  const gl::Texture& texture(const Image& image, ImageAlpha alpha);
  // A 1 × 1 white texture: what an unbound unit reads.
  const gl::Texture& white();
  const gl::Sampler& sampler(TextureFilter minification, TextureFilter magnification, TextureWrap wrap);

  // The drawer's state under its resource id, made on first use. One type per key.
  template <typename T>
  T& customState(std::uint64_t key) {
    CustomEntry& entry = customs_[key];
    if (!entry.state) entry.state = std::make_unique<T>(state_);
    entry.lastUsed = frame_;
    return static_cast<T&>(*entry.state);
  }

  // Ends a frame: forgets copies no frame has used for a while.
  void endFrame();

private:
  struct TextureEntry {
    gl::Texture texture;
    std::uint64_t lastUsed = 0;
  };

  struct CustomEntry {
    std::unique_ptr<CustomGpuState> state;
    std::uint64_t lastUsed = 0;
  };

  gl::GlState& state_;
  std::uint64_t frame_ = 1;
  std::unordered_map<std::uint64_t, CustomEntry> customs_;
  std::unordered_map<std::uint64_t, GpuMesh> meshes_;
  std::unordered_map<std::uint64_t, TextureEntry> textures_;
  std::optional<gl::Texture> white_;
  std::map<std::tuple<TextureFilter, TextureFilter, TextureWrap>, gl::Sampler> samplers_;
};

}  // namespace velmara::scene

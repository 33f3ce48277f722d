#pragma once
// Turns a material into GL state: finds the textures of its units (its own, its second texture's
// and its combiner materials' through its library), picks the shader for its features and binds
// program, textures, samplers, blending and faces. Also tells whether two draws can share a batch.

#include "scene/material/Material.h"
#include "scene/render/FrameUniforms.h"
#include "scene/render/GpuResources.h"
#include "scene/render/ShaderCache.h"

#include <array>
#include <optional>
#include <string>

namespace velmara::scene {

// What of a material decides GL state (colours are per instance and not part of it).
struct ResolvedMaterial {
  std::array<const MaterialTexture*, 4> units{};  // nullptr: reads white
  int unitCount = 0;
  const TextureCombiner* combiner = nullptr;
  TextureMode mode = TextureMode::Modulate;
  bool alphaTest = false;
  BlendMode blending = BlendMode::Opaque;
  FaceCulling culling = FaceCulling::Back;
  PolygonMode polygonMode = PolygonMode::Fill;

  bool translucent() const { return blending != BlendMode::Opaque; }
  // Same GL state: the draws may be one batch.
  bool sameState(const ResolvedMaterial& other) const;
  std::size_t hash() const;
};

ResolvedMaterial resolveMaterial(const Material& material, std::optional<PolygonMode> polygonMode = std::nullopt,
                                 std::optional<FaceCulling> culling = std::nullopt);

class MaterialBinder {
public:
  MaterialBinder(gl::GlState& state, GpuResources& resources, ShaderCache& shaders)
      : state_(state), resources_(resources), shaders_(shaders) {}

  // Binds everything for drawing; nullptr when the shader does not build (error() says why).
  const gl::ShaderProgram* bind(const ResolvedMaterial& material, bool instanced, bool billboard,
                                const FrameUniforms& frame);
  const std::string& error() const { return error_; }

private:
  void setFrameUniforms(const gl::ShaderProgram& program, const FrameUniforms& frame);

  gl::GlState& state_;
  GpuResources& resources_;
  ShaderCache& shaders_;
  std::string error_;
};

}  // namespace velmara::scene

#include "scene/render/MaterialBinder.h"

#include "scene/material/MaterialLibrary.h"
#include "scene/objects/LightSource.h"

#include <algorithm>
#include <functional>
#include <vector>

namespace velmara::scene {
namespace {

bool sameTexture(const MaterialTexture* a, const MaterialTexture* b) {
  if (a == b) return true;
  if (!a || !b) return false;
  return a->image->id() == b->image->id() && a->mode == b->mode && a->wrap == b->wrap && a->minFilter == b->minFilter &&
         a->magFilter == b->magFilter && a->imageAlpha == b->imageAlpha && a->offset == b->offset &&
         a->scale == b->scale && a->coordinates == b->coordinates && a->planeS == b->planeS && a->planeT == b->planeT &&
         a->environmentColour == b->environmentColour;
}

const MaterialTexture* activeTexture(const MaterialTexture& texture) { return texture.active() ? &texture : nullptr; }

const MaterialTexture* namedTexture(const Material& material, const std::string& name) {
  if (name.empty() || !material.library()) return nullptr;
  const Material* other = material.library()->find(name);
  return other ? activeTexture(other->texture) : nullptr;
}

gl::BlendState blendOf(BlendMode mode) {
  switch (mode) {
    case BlendMode::Opaque:
      return {false, GL_ONE, GL_ZERO, GL_ONE, GL_ZERO};
    case BlendMode::Transparent:
      return {true, GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA, GL_ONE, GL_ONE_MINUS_SRC_ALPHA};
    case BlendMode::Additive:
      return {true, GL_SRC_ALPHA, GL_ONE, GL_ZERO, GL_ONE};
    case BlendMode::Modulate:
      return {true, GL_DST_COLOR, GL_ZERO, GL_ZERO, GL_ONE};
  }
  return {};
}

GLenum cullOf(FaceCulling culling) {
  switch (culling) {
    case FaceCulling::Back:
      return GL_BACK;
    case FaceCulling::Front:
      return GL_FRONT;
    case FaceCulling::None:
      return GL_NONE;
  }
  return GL_BACK;
}

}  // namespace

bool ResolvedMaterial::sameState(const ResolvedMaterial& other) const {
  if (unitCount != other.unitCount || combiner != other.combiner || mode != other.mode || alphaTest != other.alphaTest ||
      blending != other.blending || culling != other.culling || polygonMode != other.polygonMode) {
    return false;
  }
  for (int unit = 0; unit < unitCount; ++unit) {
    if (!sameTexture(units[unit], other.units[unit])) return false;
  }
  return true;
}

std::size_t ResolvedMaterial::hash() const {
  std::size_t hash = std::hash<const void*>()(combiner);
  const auto mix = [&](std::size_t value) { hash ^= value + 0x9E3779B97F4A7C15ull + (hash << 6) + (hash >> 2); };
  mix(static_cast<std::size_t>(unitCount) | static_cast<std::size_t>(mode) << 4 | static_cast<std::size_t>(alphaTest) << 8 |
      static_cast<std::size_t>(blending) << 9 | static_cast<std::size_t>(culling) << 12 |
      static_cast<std::size_t>(polygonMode) << 15);
  for (int unit = 0; unit < unitCount; ++unit) mix(units[unit] ? units[unit]->image->id() : 0);
  return hash;
}

ResolvedMaterial resolveMaterial(const Material& material, std::optional<PolygonMode> polygonMode,
                                 std::optional<FaceCulling> culling) {
  ResolvedMaterial resolved;
  resolved.blending = material.blending;
  resolved.culling = culling.value_or(material.culling);
  resolved.polygonMode = polygonMode.value_or(material.polygonMode);
  resolved.mode = material.texture.mode;
  const MaterialTexture* first = activeTexture(material.texture);
  if (!material.combiner.empty()) {
    resolved.combiner = &material.combiner;
    resolved.unitCount = material.combiner.unitCount();
    resolved.units = {first, namedTexture(material, material.secondTexture),
                      namedTexture(material, material.combinerMaterials[0]),
                      namedTexture(material, material.combinerMaterials[1])};
  } else if (first) {
    resolved.units[0] = first;
    resolved.units[1] = namedTexture(material, material.secondTexture);
    resolved.unitCount = resolved.units[1] ? 2 : 1;
  }
  resolved.alphaTest = first && first->imageAlpha == ImageAlpha::TopLeftTransparent;
  return resolved;
}

const gl::ShaderProgram* MaterialBinder::bind(const ResolvedMaterial& material, bool instanced, bool billboard,
                                              const FrameUniforms& frame) {
  MaterialShaderKey key;
  key.instanced = instanced;
  key.billboard = billboard;
  key.alphaTest = material.alphaTest;
  key.units = material.unitCount;
  key.mode = material.mode;
  if (material.combiner) key.combiner = material.combiner->glsl();
  ShaderCache::Entry& entry = shaders_.get(key);
  if (!entry.program) {
    error_ = entry.error;
    return nullptr;
  }
  const gl::ShaderProgram& program = *entry.program;
  program.use(state_);
  if (entry.frameUniformsOf != frame.frame) {
    setFrameUniforms(program, frame);
    entry.frameUniformsOf = frame.frame;
  }

  if (material.unitCount > 0) {
    std::array<int, 4> texgen{};
    std::array<glm::vec4, 4> planeS{}, planeT{}, transform{}, environment{};
    for (int unit = 0; unit < material.unitCount; ++unit) {
      const MaterialTexture* texture = material.units[unit];
      transform[unit] = glm::vec4(0.0f, 0.0f, 1.0f, 1.0f);
      if (texture) {
        texgen[unit] = texture->coordinates == TexCoordSource::ObjectLinear ? 1 : 0;
        planeS[unit] = texture->planeS;
        planeT[unit] = texture->planeT;
        transform[unit] = glm::vec4(texture->offset, texture->scale);
        environment[unit] = texture->environmentColour;
        state_.bindTexture(unit, GL_TEXTURE_2D, resources_.texture(*texture->image, texture->imageAlpha).id());
        state_.bindSampler(unit, resources_.sampler(texture->minFilter, texture->magFilter, texture->wrap).id());
      } else {
        state_.bindTexture(unit, GL_TEXTURE_2D, resources_.white().id());
        state_.bindSampler(unit, resources_.sampler(TextureFilter::Nearest, TextureFilter::Nearest, TextureWrap::Repeat).id());
      }
    }
    program.set("u_texgen", std::span<const int>(texgen));
    program.set("u_planeS", std::span<const glm::vec4>(planeS));
    program.set("u_planeT", std::span<const glm::vec4>(planeT));
    program.set("u_texTransform", std::span<const glm::vec4>(transform));
    program.set("u_envColour", std::span<const glm::vec4>(environment));
  }

  // An opaque surface is opaque in the picture too, whatever alpha its colours carry.
  program.set("u_opaque", material.translucent() ? 0 : 1);
  program.set("u_twoSided", material.culling == FaceCulling::Back ? 0 : 1);
  state_.setBlend(blendOf(material.blending));
  state_.setDepthWrite(!material.translucent());
  state_.setCullFace(cullOf(material.culling));
  state_.setPolygonMode(material.polygonMode == PolygonMode::Lines ? GL_LINE : GL_FILL);
  return &program;
}

void MaterialBinder::setFrameUniforms(const gl::ShaderProgram& program, const FrameUniforms& frame) {
  program.set("u_viewProjection", frame.view.viewProjection());
  program.set("u_cameraRight", frame.view.right());
  program.set("u_cameraUp", frame.view.upward());
  program.set("u_eye", frame.view.eye());
  program.set("u_sceneAmbient", frame.sceneAmbient);
  const int count = std::min<int>(static_cast<int>(frame.lights.size()), LightSource::kMaxLights);
  std::vector<glm::vec4> positions, ambient, diffuse, specular;
  for (int i = 0; i < count; ++i) {
    positions.push_back(frame.lights[i].position);
    ambient.push_back(frame.lights[i].ambient);
    diffuse.push_back(frame.lights[i].diffuse);
    specular.push_back(frame.lights[i].specular);
  }
  program.set("u_lightCount", count);
  program.set("u_lightPosition", std::span<const glm::vec4>(positions));
  program.set("u_lightAmbient", std::span<const glm::vec4>(ambient));
  program.set("u_lightDiffuse", std::span<const glm::vec4>(diffuse));
  program.set("u_lightSpecular", std::span<const glm::vec4>(specular));
}

}  // namespace velmara::scene

#include "scene/render/GpuResources.h"

#include <cstddef>
#include <cstring>
#include <vector>

namespace velmara::scene {
namespace {

// A copy unused for this many frames goes; it comes back (uploaded again) when drawn again.
constexpr std::uint64_t kKeepFrames = 120;

GLenum filterOf(TextureFilter filter) {
  switch (filter) {
    case TextureFilter::Nearest:
      return GL_NEAREST;
    case TextureFilter::Linear:
      return GL_LINEAR;
    case TextureFilter::LinearMipmap:
      return GL_LINEAR_MIPMAP_LINEAR;
  }
  return GL_LINEAR;
}

}  // namespace

GpuMesh& GpuResources::mesh(const MeshData& data) {
  auto found = meshes_.find(data.id());
  if (found == meshes_.end()) {
    GpuMesh& mesh = meshes_[data.id()];
    mesh.vertices.setData(std::span<const Vertex>(data.vertices()), gl::Buffer::Usage::Static);
    mesh.indices.setData(std::span<const std::uint32_t>(data.indices()), gl::Buffer::Usage::Static);
    mesh.indexCount = static_cast<GLsizei>(data.indices().size());
    mesh.primitive = data.primitive() == MeshData::Primitive::Lines ? GL_LINES : GL_TRIANGLES;
    const auto stride = static_cast<GLsizei>(sizeof(Vertex));
    mesh.vertexArray.setAttribute(state_, attribute::kPosition, mesh.vertices,
                                  {3, GL_FLOAT, stride, offsetof(Vertex, position)});
    mesh.vertexArray.setAttribute(state_, attribute::kNormal, mesh.vertices, {3, GL_FLOAT, stride, offsetof(Vertex, normal)});
    mesh.vertexArray.setAttribute(state_, attribute::kTexcoord, mesh.vertices,
                                  {2, GL_FLOAT, stride, offsetof(Vertex, texcoord)});
    mesh.vertexArray.setIndexBuffer(state_, mesh.indices);
    found = meshes_.find(data.id());
  }
  found->second.lastUsed = frame_;
  return found->second;
}

const gl::Texture& GpuResources::texture(const Image& image, ImageAlpha alpha) {
  const std::uint64_t key = image.id() * 2 + (alpha == ImageAlpha::TopLeftTransparent ? 1 : 0);
  auto found = textures_.find(key);
  if (found == textures_.end()) {
    const Image keyed = alpha == ImageAlpha::TopLeftTransparent ? image.withTopLeftTransparent() : Image();
    const Image& source = alpha == ImageAlpha::TopLeftTransparent ? keyed : image;
    // Pictures keep their top row first; GL wants the row of t = 0 (the bottom) first.
    const std::size_t row = static_cast<std::size_t>(source.width()) * 4;
    std::vector<std::uint8_t> flipped(source.pixels().size());
    for (int y = 0; y < source.height(); ++y) {
      std::memcpy(flipped.data() + static_cast<std::size_t>(y) * row,
                  source.pixels().data() + static_cast<std::size_t>(source.height() - 1 - y) * row, row);
    }
    TextureEntry& entry = textures_[key];
    entry.texture.setImage(state_, source.width(), source.height(), flipped.data(), true);
    found = textures_.find(key);
  }
  found->second.lastUsed = frame_;
  return found->second.texture;
}

const gl::Texture& GpuResources::white() {
  if (!white_) {
    const std::uint8_t texel[4] = {255, 255, 255, 255};
    white_.emplace();
    white_->setImage(state_, 1, 1, texel, false);
  }
  return *white_;
}

const gl::Sampler& GpuResources::sampler(TextureFilter minification, TextureFilter magnification, TextureWrap wrap) {
  const auto key = std::make_tuple(minification, magnification, wrap);
  auto found = samplers_.find(key);
  if (found == samplers_.end()) {
    found = samplers_.try_emplace(key).first;
    // Magnification has no mipmaps to use.
    const TextureFilter magnify = magnification == TextureFilter::Nearest ? TextureFilter::Nearest : TextureFilter::Linear;
    found->second.setFilters(filterOf(minification), filterOf(magnify));
    found->second.setWrap(wrap == TextureWrap::Repeat ? GL_REPEAT : GL_CLAMP_TO_EDGE);
  }
  return found->second;
}

void GpuResources::endFrame() {
  ++frame_;
  if (frame_ % 30 != 0) return;
  std::erase_if(meshes_, [&](const auto& entry) { return frame_ - entry.second.lastUsed > kKeepFrames; });
  std::erase_if(textures_, [&](const auto& entry) { return frame_ - entry.second.lastUsed > kKeepFrames; });
  std::erase_if(customs_, [&](const auto& entry) { return frame_ - entry.second.lastUsed > kKeepFrames; });
}

}  // namespace velmara::scene

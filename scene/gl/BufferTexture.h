#pragma once
// A GL buffer texture: a buffer read in shaders through texelFetch on a samplerBuffer, for data
// too large or too irregular for vertex attributes.

#include "scene/gl/Buffer.h"
#include "scene/gl/GlName.h"
#include "scene/gl/GlState.h"
#include "scene/gl/Texture.h"

namespace velmara::scene::gl {

class BufferTexture {
public:
  // Texels of `format` (GL_RGBA32F, ...) read from `buffer`, which must outlive this texture.
  BufferTexture(GlState& state, const Buffer& buffer, GLenum format);

  GLuint id() const { return name_.id(); }
  void bind(GlState& state, int unit) const { state.bindTexture(unit, GL_TEXTURE_BUFFER, id()); }
  GLuint release() { return name_.release(); }

private:
  GlName<TextureTraits> name_;
};

}  // namespace velmara::scene::gl

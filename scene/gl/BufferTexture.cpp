#include "scene/gl/BufferTexture.h"

namespace velmara::scene::gl {

BufferTexture::BufferTexture(GlState& state, const Buffer& buffer, GLenum format)
    : name_(GlName<TextureTraits>::create()) {
  state.bindTexture(GlState::kUploadUnit, GL_TEXTURE_BUFFER, id());
  glTexBuffer(GL_TEXTURE_BUFFER, format, buffer.id());
}

}  // namespace velmara::scene::gl

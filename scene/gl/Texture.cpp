#include "scene/gl/Texture.h"

namespace velmara::scene::gl {

void Texture::setImage(GlState& state, int width, int height, const void* rgba, bool mipmaps) {
  state.bindTexture(GlState::kUploadUnit, GL_TEXTURE_2D, id());
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, mipmaps ? 1000 : 0);
  if (mipmaps) glGenerateMipmap(GL_TEXTURE_2D);
  width_ = width;
  height_ = height;
}

}  // namespace velmara::scene::gl

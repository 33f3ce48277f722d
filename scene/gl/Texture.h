#pragma once
// A GL 2D texture holding RGBA8 texels. How it is sampled lives in a Sampler, not here.

#include "scene/gl/GlName.h"
#include "scene/gl/GlState.h"

namespace velmara::scene::gl {

struct TextureTraits {
  static GLuint create() {
    GLuint id = 0;
    glGenTextures(1, &id);
    return id;
  }
  static void destroy(GLuint id) { glDeleteTextures(1, &id); }
};

class Texture {
public:
  Texture() : name_(GlName<TextureTraits>::create()) {}

  GLuint id() const { return name_.id(); }
  int width() const { return width_; }
  int height() const { return height_; }

  // rgba holds width × height texels, the row of t = 0 first. Builds the mipmap chain when asked.
  void setImage(GlState& state, int width, int height, const void* rgba, bool mipmaps);
  GLuint release() { return name_.release(); }

private:
  GlName<TextureTraits> name_;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace velmara::scene::gl

#pragma once
// A GL sampler object: filtering and wrapping, shared by every texture sampled the same way.

#include "scene/gl/GlName.h"

namespace velmara::scene::gl {

struct SamplerTraits {
  static GLuint create() {
    GLuint id = 0;
    glGenSamplers(1, &id);
    return id;
  }
  static void destroy(GLuint id) { glDeleteSamplers(1, &id); }
};

class Sampler {
public:
  Sampler() : name_(GlName<SamplerTraits>::create()) {}

  GLuint id() const { return name_.id(); }
  void setFilters(GLenum minification, GLenum magnification);
  void setWrap(GLenum wrap);
  GLuint release() { return name_.release(); }

private:
  GlName<SamplerTraits> name_;
};

}  // namespace velmara::scene::gl

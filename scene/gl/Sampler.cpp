#include "scene/gl/Sampler.h"

namespace velmara::scene::gl {

void Sampler::setFilters(GLenum minification, GLenum magnification) {
  glSamplerParameteri(id(), GL_TEXTURE_MIN_FILTER, static_cast<GLint>(minification));
  glSamplerParameteri(id(), GL_TEXTURE_MAG_FILTER, static_cast<GLint>(magnification));
}

void Sampler::setWrap(GLenum wrap) {
  glSamplerParameteri(id(), GL_TEXTURE_WRAP_S, static_cast<GLint>(wrap));
  glSamplerParameteri(id(), GL_TEXTURE_WRAP_T, static_cast<GLint>(wrap));
}

}  // namespace velmara::scene::gl

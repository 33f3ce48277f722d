#pragma once
// A GL vertex array object: which buffers feed which vertex attributes, and the index buffer.

#include "scene/gl/Buffer.h"
#include "scene/gl/GlName.h"
#include "scene/gl/GlState.h"

#include <cstddef>

namespace velmara::scene::gl {

struct VertexArrayTraits {
  static GLuint create() {
    GLuint id = 0;
    glGenVertexArrays(1, &id);
    return id;
  }
  static void destroy(GLuint id) { glDeleteVertexArrays(1, &id); }
};

// How one attribute is read from a buffer.
struct AttributeFormat {
  GLint components = 4;
  GLenum type = GL_FLOAT;
  GLsizei stride = 0;
  std::size_t offset = 0;
  GLuint divisor = 0;  // 0 per vertex, 1 per instance
  bool normalised = false;
  bool integer = false;  // read as int/uint in the shader rather than converted to float
};

class VertexArray {
public:
  VertexArray() : name_(GlName<VertexArrayTraits>::create()) {}

  GLuint id() const { return name_.id(); }
  void bind(GlState& state) const { state.bindVertexArray(id()); }

  void setAttribute(GlState& state, GLuint location, const Buffer& buffer, const AttributeFormat& format);
  void disableAttribute(GlState& state, GLuint location);
  void setIndexBuffer(GlState& state, const Buffer& buffer);
  GLuint release() { return name_.release(); }

private:
  GlName<VertexArrayTraits> name_;
};

}  // namespace velmara::scene::gl

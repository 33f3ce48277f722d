#include "scene/gl/VertexArray.h"

namespace velmara::scene::gl {

void VertexArray::setAttribute(GlState& state, GLuint location, const Buffer& buffer,
                               const AttributeFormat& format) {
  bind(state);
  glBindBuffer(GL_ARRAY_BUFFER, buffer.id());
  const auto* offset = reinterpret_cast<const void*>(format.offset);
  if (format.integer) {
    glVertexAttribIPointer(location, format.components, format.type, format.stride, offset);
  } else {
    glVertexAttribPointer(location, format.components, format.type, format.normalised ? GL_TRUE : GL_FALSE,
                          format.stride, offset);
  }
  glVertexAttribDivisor(location, format.divisor);
  glEnableVertexAttribArray(location);
  glBindBuffer(GL_ARRAY_BUFFER, 0);
}

void VertexArray::disableAttribute(GlState& state, GLuint location) {
  bind(state);
  glDisableVertexAttribArray(location);
}

void VertexArray::setIndexBuffer(GlState& state, const Buffer& buffer) {
  bind(state);
  // The element binding is part of the vertex array's own state.
  glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, buffer.id());
}

}  // namespace velmara::scene::gl

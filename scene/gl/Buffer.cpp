#include "scene/gl/Buffer.h"

namespace velmara::scene::gl {

void Buffer::setData(const void* data, std::size_t bytes, Usage usage) {
  glBindBuffer(GL_COPY_WRITE_BUFFER, id());
  if (bytes > 0 && bytes <= capacity_ && usage != Usage::Static) {
    glBufferSubData(GL_COPY_WRITE_BUFFER, 0, static_cast<GLsizeiptr>(bytes), data);
  } else {
    // Growing streams get room to spare, so that a slowly growing scene does not reallocate.
    const std::size_t capacity = usage == Usage::Static ? bytes : bytes + bytes / 2;
    glBufferData(GL_COPY_WRITE_BUFFER, static_cast<GLsizeiptr>(capacity), nullptr, static_cast<GLenum>(usage));
    if (bytes > 0 && data) glBufferSubData(GL_COPY_WRITE_BUFFER, 0, static_cast<GLsizeiptr>(bytes), data);
    capacity_ = capacity;
  }
  glBindBuffer(GL_COPY_WRITE_BUFFER, 0);
  size_ = bytes;
}

void Buffer::setSubData(std::size_t offset, const void* data, std::size_t bytes) {
  if (bytes == 0 || offset + bytes > capacity_) return;
  glBindBuffer(GL_COPY_WRITE_BUFFER, id());
  glBufferSubData(GL_COPY_WRITE_BUFFER, static_cast<GLintptr>(offset), static_cast<GLsizeiptr>(bytes), data);
  glBindBuffer(GL_COPY_WRITE_BUFFER, 0);
}

}  // namespace velmara::scene::gl

#pragma once
// A GL buffer object (vertices, indices, per-instance data). Uploads go through the copy-write
// binding point, which no drawing state depends on, so filling a buffer never disturbs the
// vertex array or element binding that happens to be current.

#include "scene/gl/GlName.h"

#include <cstddef>
#include <span>

namespace velmara::scene::gl {

struct BufferTraits {
  static GLuint create() {
    GLuint id = 0;
    glGenBuffers(1, &id);
    return id;
  }
  static void destroy(GLuint id) { glDeleteBuffers(1, &id); }
};

class Buffer {
public:
  enum class Usage : GLenum { Static = GL_STATIC_DRAW, Dynamic = GL_DYNAMIC_DRAW, Stream = GL_STREAM_DRAW };

  Buffer() : name_(GlName<BufferTraits>::create()) {}

  GLuint id() const { return name_.id(); }
  std::size_t size() const { return size_; }

  // Replaces the whole content. Storage that is large enough is written over rather than
  // allocated afresh: reallocating every frame costs a software driver a page fault per page.
  // A null `data` only sizes the storage.
  void setData(const void* data, std::size_t bytes, Usage usage);
  // Writes part of the storage; nothing when the range does not fit in it.
  void setSubData(std::size_t offset, const void* data, std::size_t bytes);
  template <typename T>
  void setData(std::span<const T> data, Usage usage) {
    setData(data.data(), data.size_bytes(), usage);
  }
  GLuint release() {
    size_ = capacity_ = 0;
    return name_.release();
  }

private:
  GlName<BufferTraits> name_;
  std::size_t size_ = 0;
  std::size_t capacity_ = 0;
};

}  // namespace velmara::scene::gl

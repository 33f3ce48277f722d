#pragma once
// Ownership of one OpenGL object name. Move-only: the name is deleted exactly once, by its last
// owner, and never leaks. Traits say how the kind of object is created and deleted.

#include <epoxy/gl.h>

#include <utility>

namespace velmara::scene::gl {

template <typename Traits>
class GlName {
public:
  GlName() noexcept = default;
  explicit GlName(GLuint id) noexcept : id_(id) {}
  static GlName create() { return GlName(Traits::create()); }
  ~GlName() {
    if (id_ != 0) Traits::destroy(id_);
  }
  GlName(const GlName&) = delete;
  GlName& operator=(const GlName&) = delete;
  GlName(GlName&& other) noexcept : id_(std::exchange(other.id_, 0)) {}
  GlName& operator=(GlName&& other) noexcept {
    if (this != &other) {
      GlName old(std::move(*this));
      id_ = std::exchange(other.id_, 0);
    }
    return *this;
  }

  GLuint id() const noexcept { return id_; }
  explicit operator bool() const noexcept { return id_ != 0; }
  // Gives the name up without deleting it; the caller owns it from now on.
  GLuint release() noexcept { return std::exchange(id_, 0); }

private:
  GLuint id_ = 0;
};

}  // namespace velmara::scene::gl

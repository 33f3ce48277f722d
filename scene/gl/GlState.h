#pragma once
// The GL state the scene layer changes, cached so that each change reaches the driver only when
// it really changes something, and so that every drawing part sets what it needs instead of
// assuming what the previous part left. One per GL context; invalidate() when someone else (the
// host widget) may have touched the context since the last frame.

#include <epoxy/gl.h>

#include <array>
#include <optional>

namespace velmara::scene::gl {

// Colour and alpha factors apart, so that blending over an opaque picture keeps it opaque.
struct BlendState {
  bool enabled = false;
  GLenum source = GL_ONE;
  GLenum destination = GL_ZERO;
  GLenum sourceAlpha = GL_ONE;
  GLenum destinationAlpha = GL_ONE_MINUS_SRC_ALPHA;
  bool operator==(const BlendState&) const = default;
};

class GlState {
public:
  static constexpr int kTextureUnits = 8;
  // The unit textures are bound to while being filled, so that filling one never changes what
  // a drawing unit holds.
  static constexpr int kUploadUnit = kTextureUnits - 1;

  // Forget everything known, so that every next setting reaches the driver.
  void invalidate();

  void useProgram(GLuint program);
  void bindVertexArray(GLuint vertexArray);
  void bindTexture(int unit, GLenum target, GLuint texture);
  void bindSampler(int unit, GLuint sampler);
  void bindFramebuffer(GLuint framebuffer);
  void setViewport(int x, int y, int width, int height);
  void setBlend(const BlendState& blend);
  void setDepthTest(bool enabled);
  void setDepthWrite(bool enabled);
  // GL_NONE switches culling off; GL_BACK or GL_FRONT culls that face.
  void setCullFace(GLenum face);
  // GL_FILL or GL_LINE, for both faces (the only choice of a core profile).
  void setPolygonMode(GLenum mode);

private:
  void activeTexture(int unit);

  std::optional<GLuint> program_;
  std::optional<GLuint> vertexArray_;
  std::optional<int> activeUnit_;
  std::array<std::optional<GLuint>, kTextureUnits> textures_{};
  std::array<std::optional<GLuint>, kTextureUnits> samplers_{};
  std::optional<GLuint> framebuffer_;
  std::optional<std::array<int, 4>> viewport_;
  std::optional<BlendState> blend_;
  std::optional<bool> depthTest_;
  std::optional<bool> depthWrite_;
  std::optional<GLenum> cullFace_;
  std::optional<GLenum> polygonMode_;
};

}  // namespace velmara::scene::gl

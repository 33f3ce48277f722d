#pragma once
// A linked GL program of a vertex and a fragment shader. Building reports compile and link
// failures with the driver's log instead of handing out a program that draws nothing.

#include "scene/Result.h"
#include "scene/gl/GlName.h"
#include "scene/gl/GlState.h"

#include <glm/glm.hpp>

#include <span>
#include <string>
#include <string_view>
#include <unordered_map>

namespace velmara::scene::gl {

struct ProgramTraits {
  static GLuint create() { return glCreateProgram(); }
  static void destroy(GLuint id) { glDeleteProgram(id); }
};

class ShaderProgram {
public:
  // label names the program in error messages ("line renderer", "material Tex0:=...").
  static Result<ShaderProgram> build(std::string_view vertexSource, std::string_view fragmentSource,
                                     std::string_view label);

  GLuint id() const { return name_.id(); }
  void use(GlState& state) const { state.useProgram(id()); }

  // Location of a uniform, -1 when the program has none of that name (the driver may drop
  // unused ones; setting -1 is a harmless no-op in GL).
  GLint uniform(const std::string& name) const;

  // Setters act on the program in use: call use() first.
  void set(const std::string& name, int value) const;
  void set(const std::string& name, float value) const;
  void set(const std::string& name, const glm::vec2& value) const;
  void set(const std::string& name, const glm::vec3& value) const;
  void set(const std::string& name, const glm::vec4& value) const;
  void set(const std::string& name, const glm::mat4& value) const;
  void set(const std::string& name, std::span<const glm::vec4> values) const;
  void set(const std::string& name, std::span<const int> values) const;

private:
  ShaderProgram() = default;
  GlName<ProgramTraits> name_;
  mutable std::unordered_map<std::string, GLint> uniforms_;
};

}  // namespace velmara::scene::gl

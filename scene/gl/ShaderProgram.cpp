#include "scene/gl/ShaderProgram.h"

#include <glm/gtc/type_ptr.hpp>

#include <vector>

namespace velmara::scene::gl {
namespace {

struct ShaderTraits {
  static void destroy(GLuint id) { glDeleteShader(id); }
};
using ShaderName = GlName<ShaderTraits>;

// The info log of a shader or program, through the matching pair of GL queries.
template <typename GetParameter, typename GetLog>
std::string infoLog(GLuint id, GetParameter getParameter, GetLog getLog) {
  GLint length = 0;
  getParameter(id, GL_INFO_LOG_LENGTH, &length);
  std::vector<char> log(static_cast<std::size_t>(length) + 1, '\0');
  getLog(id, length, nullptr, log.data());
  return log.data();
}

std::string shaderLog(GLuint shader) { return infoLog(shader, glGetShaderiv, glGetShaderInfoLog); }
std::string programLog(GLuint program) { return infoLog(program, glGetProgramiv, glGetProgramInfoLog); }

Result<ShaderName> compile(GLenum stage, std::string_view source, std::string_view label) {
  ShaderName shader(glCreateShader(stage));
  const char* text = source.data();
  const auto length = static_cast<GLint>(source.size());
  glShaderSource(shader.id(), 1, &text, &length);
  glCompileShader(shader.id());
  GLint compiled = GL_FALSE;
  glGetShaderiv(shader.id(), GL_COMPILE_STATUS, &compiled);
  if (compiled != GL_TRUE) {
    const char* stageName = stage == GL_VERTEX_SHADER ? "vertex" : "fragment";
    return Result<ShaderName>::failure(std::string("ShaderProgram::build(): the ") + stageName +
                                       " shader of " + std::string(label) + " does not compile:\n" +
                                       shaderLog(shader.id()));
  }
  return shader;
}

}  // namespace

Result<ShaderProgram> ShaderProgram::build(std::string_view vertexSource, std::string_view fragmentSource,
                                           std::string_view label) {
  auto vertex = compile(GL_VERTEX_SHADER, vertexSource, label);
  if (!vertex) return Result<ShaderProgram>::failure(vertex.error());
  auto fragment = compile(GL_FRAGMENT_SHADER, fragmentSource, label);
  if (!fragment) return Result<ShaderProgram>::failure(fragment.error());

  ShaderProgram program;
  program.name_ = GlName<ProgramTraits>::create();
  glAttachShader(program.id(), vertex->id());
  glAttachShader(program.id(), fragment->id());
  glLinkProgram(program.id());
  glDetachShader(program.id(), vertex->id());
  glDetachShader(program.id(), fragment->id());
  GLint linked = GL_FALSE;
  glGetProgramiv(program.id(), GL_LINK_STATUS, &linked);
  if (linked != GL_TRUE) {
    return Result<ShaderProgram>::failure("ShaderProgram::build(): " + std::string(label) +
                                          " does not link:\n" + programLog(program.id()));
  }
  return program;
}

GLint ShaderProgram::uniform(const std::string& name) const {
  auto found = uniforms_.find(name);
  if (found != uniforms_.end()) return found->second;
  const GLint location = glGetUniformLocation(id(), name.c_str());
  uniforms_.emplace(name, location);
  return location;
}

void ShaderProgram::set(const std::string& name, int value) const { glUniform1i(uniform(name), value); }
void ShaderProgram::set(const std::string& name, float value) const { glUniform1f(uniform(name), value); }
void ShaderProgram::set(const std::string& name, const glm::vec2& value) const {
  glUniform2fv(uniform(name), 1, glm::value_ptr(value));
}
void ShaderProgram::set(const std::string& name, const glm::vec3& value) const {
  glUniform3fv(uniform(name), 1, glm::value_ptr(value));
}
void ShaderProgram::set(const std::string& name, const glm::vec4& value) const {
  glUniform4fv(uniform(name), 1, glm::value_ptr(value));
}
void ShaderProgram::set(const std::string& name, const glm::mat4& value) const {
  glUniformMatrix4fv(uniform(name), 1, GL_FALSE, glm::value_ptr(value));
}
void ShaderProgram::set(const std::string& name, std::span<const glm::vec4> values) const {
  if (values.empty()) return;
  glUniform4fv(uniform(name), static_cast<GLsizei>(values.size()), glm::value_ptr(values.front()));
}
void ShaderProgram::set(const std::string& name, std::span<const int> values) const {
  if (values.empty()) return;
  glUniform1iv(uniform(name), static_cast<GLsizei>(values.size()), values.data());
}

}  // namespace velmara::scene::gl

#include "scene/render/ShaderCache.h"

namespace velmara::scene {

ShaderCache::Entry& ShaderCache::get(const MaterialShaderKey& key) {
  auto found = entries_.find(key);
  if (found != entries_.end()) return found->second;
  Entry& entry = entries_[key];
  const MaterialShaderSource source = materialShaderSource(key);
  const std::string label = key.combiner.empty() ? "the material shader" : "the material shader with combiner\n" + key.combiner;
  auto program = gl::ShaderProgram::build(source.vertex, source.fragment, label);
  if (!program) {
    entry.error = program.error();
    return entry;
  }
  entry.program.emplace(std::move(program).value());
  // Samplers read fixed units; each unit's texture is bound there.
  glUseProgram(entry.program->id());
  for (int unit = 0; unit < 4; ++unit) entry.program->set("u_texture" + std::to_string(unit), unit);
  glUseProgram(0);
  return entry;
}

}  // namespace velmara::scene

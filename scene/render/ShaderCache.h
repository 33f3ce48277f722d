#pragma once
// Material shader programs by feature key, built once per key. A build that fails is remembered
// with its log, so a broken shader is reported once instead of rebuilt every frame.

#include "scene/gl/ShaderProgram.h"
#include "scene/render/MaterialShader.h"

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>

namespace velmara::scene {

class ShaderCache {
public:
  struct Entry {
    std::optional<gl::ShaderProgram> program;
    std::string error;
    std::uint64_t frameUniformsOf = 0;  // the frame whose camera and lights the program holds
  };

  Entry& get(const MaterialShaderKey& key);

private:
  std::unordered_map<MaterialShaderKey, Entry, MaterialShaderKeyHash> entries_;
};

}  // namespace velmara::scene

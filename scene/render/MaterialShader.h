#pragma once
// The GLSL of the material shader for one combination of features: GL's fixed-function lighting
// (emission, ambient, diffuse and specular from up to eight lights, per vertex, two-sided), up to four texture
// units with object-linear coordinate generation and texture transforms, the texture modes or a
// texture combiner, colour-key transparency, camera-facing quads, and instanced or single draws.

#include "scene/material/MaterialEnums.h"

#include <cstddef>
#include <string>

namespace velmara::scene {

struct MaterialShaderKey {
  bool instanced = true;   // per-instance values from attributes 4 … 12, else uniforms
  bool billboard = false;  // camera-facing quads
  bool alphaTest = false;  // leave out fragments whose alpha is below 0.5
  int units = 0;           // texture units read (without a combiner: the first, then the second)
  TextureMode mode = TextureMode::Modulate;  // how the first texture applies without a combiner
  std::string combiner;    // the combiner's GLSL; empty for none

  bool operator==(const MaterialShaderKey&) const = default;
};

struct MaterialShaderKeyHash {
  std::size_t operator()(const MaterialShaderKey& key) const;
};

struct MaterialShaderSource {
  std::string vertex;
  std::string fragment;
};

MaterialShaderSource materialShaderSource(const MaterialShaderKey& key);

}  // namespace velmara::scene

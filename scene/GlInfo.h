#pragma once
// What the current OpenGL context offers: the graphics probe of the splash window and the
// frame-rate line read this. Needs a current context on the calling thread.

#include <string>
#include <string_view>
#include <vector>

namespace velmara::scene {

struct GlInfo {
  std::string version;   // GL_VERSION as the driver reports it
  std::string renderer;  // GL_RENDERER
  std::string vendor;    // GL_VENDOR
  int major = 0;
  int minor = 0;
  // Multitexturing is core from OpenGL 1.3 on.
  bool multitexture = false;
  // Texture image units a fragment shader can use.
  int textureUnits = 0;
  int maxTextureSize = 0;
  std::vector<std::string> extensions;

  bool hasExtension(std::string_view name) const;
};

GlInfo QueryGlInfo();

}  // namespace velmara::scene

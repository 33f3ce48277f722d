#include "scene/GlInfo.h"

#include <epoxy/gl.h>

namespace velmara::scene {
namespace {

std::string GlString(GLenum name) {
  const auto* text = reinterpret_cast<const char*>(glGetString(name));
  return text ? text : "";
}

}  // namespace

GlInfo QueryGlInfo() {
  GlInfo info;
  info.version = GlString(GL_VERSION);
  info.renderer = GlString(GL_RENDERER);
  info.vendor = GlString(GL_VENDOR);
  const int version = epoxy_gl_version();  // e.g. 45 for 4.5
  info.major = version / 10;
  info.minor = version % 10;
  info.multitexture = version >= 13;
  glGetIntegerv(GL_MAX_TEXTURE_IMAGE_UNITS, &info.textureUnits);
  return info;
}

}  // namespace velmara::scene

#include "scene/GlInfo.h"

#include <epoxy/gl.h>

#include <algorithm>

namespace velmara::scene {
namespace {

std::string GlString(GLenum name) {
  const auto* text = reinterpret_cast<const char*>(glGetString(name));
  return text ? text : "";
}

}  // namespace

bool GlInfo::hasExtension(std::string_view name) const {
  return std::find(extensions.begin(), extensions.end(), name) != extensions.end();
}

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
  glGetIntegerv(GL_MAX_TEXTURE_SIZE, &info.maxTextureSize);
  GLint count = 0;
  glGetIntegerv(GL_NUM_EXTENSIONS, &count);
  for (GLint i = 0; i < count; ++i) {
    const auto* name = reinterpret_cast<const char*>(glGetStringi(GL_EXTENSIONS, static_cast<GLuint>(i)));
    if (name) info.extensions.emplace_back(name);
  }
  return info;
}

}  // namespace velmara::scene

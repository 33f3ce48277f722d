#include "tests/support/EglContext.h"

#include <epoxy/egl.h>
#include <epoxy/gl.h>

namespace velmara::test {

EglContext::EglContext() {
  auto getPlatformDisplay =
      reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(eglGetProcAddress("eglGetPlatformDisplayEXT"));
  if (!getPlatformDisplay) {
    error_ = "eglGetPlatformDisplayEXT is missing";
    return;
  }
  EGLDisplay display = getPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
  if (display == EGL_NO_DISPLAY || !eglInitialize(display, nullptr, nullptr)) {
    error_ = "no surfaceless EGL display";
    return;
  }
  display_ = display;
  const EGLint configAttributes[] = {EGL_SURFACE_TYPE, EGL_PBUFFER_BIT, EGL_RENDERABLE_TYPE, EGL_OPENGL_BIT,
                                     EGL_NONE};
  EGLConfig config = nullptr;
  EGLint configCount = 0;
  eglChooseConfig(display, configAttributes, &config, 1, &configCount);
  if (!eglBindAPI(EGL_OPENGL_API)) {
    error_ = "EGL cannot bind desktop OpenGL";
    return;
  }
  const EGLint contextAttributes[] = {EGL_CONTEXT_MAJOR_VERSION, 3, EGL_CONTEXT_MINOR_VERSION, 3,
                                      EGL_CONTEXT_OPENGL_PROFILE_MASK, EGL_CONTEXT_OPENGL_CORE_PROFILE_BIT,
                                      EGL_NONE};
  EGLContext context = eglCreateContext(display, configCount ? config : EGL_NO_CONFIG_KHR, EGL_NO_CONTEXT,
                                        contextAttributes);
  if (context == EGL_NO_CONTEXT) {
    error_ = "eglCreateContext failed: " + std::to_string(eglGetError());
    return;
  }
  if (!eglMakeCurrent(display, EGL_NO_SURFACE, EGL_NO_SURFACE, context)) {
    eglDestroyContext(display, context);
    error_ = "eglMakeCurrent failed: " + std::to_string(eglGetError());
    return;
  }
  context_ = context;
}

EglContext::~EglContext() {
  if (!display_) return;
  eglMakeCurrent(display_, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
  if (context_) eglDestroyContext(display_, context_);
  eglTerminate(display_);
}

OffscreenTarget::OffscreenTarget(int width, int height) {
  glGenFramebuffers(1, &framebuffer_);
  glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
  glGenRenderbuffers(1, &colour_);
  glBindRenderbuffer(GL_RENDERBUFFER, colour_);
  glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width, height);
  glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, colour_);
  glGenRenderbuffers(1, &depth_);
  glBindRenderbuffer(GL_RENDERBUFFER, depth_);
  glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH24_STENCIL8, width, height);
  glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_STENCIL_ATTACHMENT, GL_RENDERBUFFER, depth_);
  glViewport(0, 0, width, height);
}

OffscreenTarget::~OffscreenTarget() {
  glBindFramebuffer(GL_FRAMEBUFFER, 0);
  glDeleteRenderbuffers(1, &depth_);
  glDeleteRenderbuffers(1, &colour_);
  glDeleteFramebuffers(1, &framebuffer_);
}

bool OffscreenTarget::complete() const {
  return glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
}

unsigned int OffscreenTarget::pixel(int x, int y) const {
  unsigned char rgba[4] = {};
  glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
  return (unsigned(rgba[0]) << 24) | (unsigned(rgba[1]) << 16) | (unsigned(rgba[2]) << 8) | rgba[3];
}

}  // namespace velmara::test

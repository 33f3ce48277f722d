#pragma once
// An OpenGL 3.3 core context without any window system: EGL on Mesa's surfaceless platform.
// Made current on the constructing thread; rendering goes into framebuffer objects.

#include <string>

namespace velmara::test {

class EglContext {
public:
  EglContext();
  ~EglContext();
  EglContext(const EglContext&) = delete;
  EglContext& operator=(const EglContext&) = delete;

  // False when no context could be made; error() says why.
  bool valid() const { return context_ != nullptr; }
  const std::string& error() const { return error_; }

private:
  void* display_ = nullptr;
  void* context_ = nullptr;
  std::string error_;
};

// Renders into an RGBA8 framebuffer object of the given size while alive, and reads it back.
class OffscreenTarget {
public:
  OffscreenTarget(int width, int height);
  ~OffscreenTarget();
  OffscreenTarget(const OffscreenTarget&) = delete;
  OffscreenTarget& operator=(const OffscreenTarget&) = delete;

  bool complete() const;
  // RGBA of one pixel, (0, 0) at the bottom left as GL counts.
  unsigned int pixel(int x, int y) const;

private:
  unsigned int framebuffer_ = 0;
  unsigned int colour_ = 0;
  unsigned int depth_ = 0;
};

}  // namespace velmara::test

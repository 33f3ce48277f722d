#include "scene/FrameDriver.h"

#include <algorithm>
#include <chrono>

namespace velmara::scene {

FrameDriver::FrameDriver() = default;

void FrameDriver::setEnabled(bool enabled) {
  if (enabled && !enabled_) last_.reset();
  enabled_ = enabled;
}

void FrameDriver::tick() {
  tick(std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count());
}

void FrameDriver::tick(double now) {
  if (!enabled_) return;
  const double delta = last_ ? std::max(now - *last_, 0.0) : 0.0;
  last_ = now;
  time_ += delta;
  if (progress_) progress_(delta, time_);
}

}  // namespace velmara::scene

#include "app/view/GraphicsTest.h"

#include <cstdio>

namespace velmara {

bool TGraphicsTest::AdvanceFade(double deltaTime) {
  if (!fadeArmed_) return false;
  alpha_ -= static_cast<float>(deltaTime * 0.1);
  if (alpha_ >= 0.1f) return false;
  fadeArmed_ = false;
  alpha_ = 1.0f;
  return true;
}

void TGraphicsTest::AddSecond(double framesPerSecond) {
  if (!running_) return;
  result_ = first_ ? framesPerSecond : (framesPerSecond + result_) / 2.0;
  first_ = false;
}

TFpsVerdict VerdictFor(double fps) {
  if (fps < 10.0) return TFpsVerdict::Poor;
  if (fps < 20.0) return TFpsVerdict::Good;
  return TFpsVerdict::VeryGood;
}

std::string ResultText(double fps) {
  char text[64];
  std::snprintf(text, sizeof text, "Result = %.1f FPS (Frames Per Second)", fps);
  return text;
}

std::string FrameRateLine(double fps, long long triangles) {
  char text[64];
  std::snprintf(text, sizeof text, "%.1f FPS - %lld", fps, triangles);
  return text;
}

}  // namespace velmara

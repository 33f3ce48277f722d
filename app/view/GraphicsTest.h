#pragma once
// The graphics test the program starts with: the intro text fades, then the frame rate is measured
// for 15 s while the sky camera circles the boat, averaged once a second, and judged. Plain logic;
// the main window drives it from its frame loop and timers.

#include <string>

namespace velmara {

enum class TFpsVerdict { Poor, Good, VeryGood };

class TGraphicsTest {
public:
  static constexpr int TestMilliseconds = 15000;
  static constexpr float OrbitDegreesPerFrame = 1.5f;

  // The fade runs from full alpha while armed.
  void ArmFade() {
    fadeArmed_ = true;
    alpha_ = 1.0f;
  }
  bool FadeArmed() const { return fadeArmed_; }
  float Alpha() const { return alpha_; }
  // One frame of the fade; true when it just ended (the test starts, the text is full alpha again).
  bool AdvanceFade(double deltaTime);

  void Start() {
    running_ = true;
    result_ = 0.0;
    first_ = true;
  }
  void Stop() { running_ = false; }
  bool Running() const { return running_; }
  // A second's frame rate: the first is taken as it is, each later one averaged with the result.
  void AddSecond(double framesPerSecond);
  double Result() const { return result_; }

private:
  bool fadeArmed_ = false;
  float alpha_ = 0.0f;
  bool running_ = false;
  bool first_ = true;
  double result_ = 0.0;
};

TFpsVerdict VerdictFor(double framesPerSecond);
// "Result = 23.4 FPS (Frames Per Second)".
std::string ResultText(double framesPerSecond);
// The "%.1f FPS - %d" read-out.
std::string FrameRateLine(double framesPerSecond, long long triangles);

}  // namespace velmara

#pragma once
// Drives the frame loop: the host calls tick() once per frame it decides to draw, and the driver
// calls the progress handler with the seconds since the previous tick and the scene time (the
// sum of those steps). While disabled, ticks do nothing and time does not run; the first tick
// after enabling reports a step of 0, so a pause never arrives as one long step.

#include <functional>
#include <optional>

namespace velmara::scene {

class FrameDriver {
public:
  using Progress = std::function<void(double deltaTime, double newTime)>;

  FrameDriver();

  void setProgress(Progress progress) { progress_ = std::move(progress); }
  bool enabled() const { return enabled_; }
  void setEnabled(bool enabled);
  double currentTime() const { return time_; }

  // One frame, at the steady clock's time.
  void tick();
  // One frame at `now`, seconds on any clock that does not run backwards.
  void tick(double now);

private:
  Progress progress_;
  bool enabled_ = true;
  std::optional<double> last_;
  double time_ = 0.0;
};

}  // namespace velmara::scene

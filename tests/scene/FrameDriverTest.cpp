#include "scene/FrameDriver.h"

#include <gtest/gtest.h>

#include <vector>

namespace velmara::scene {
namespace {

struct Step {
  double delta, time;
  bool operator==(const Step&) const = default;
};

TEST(FrameDriver, ReportsEachFramesStepAndTheRunningTime) {
  FrameDriver driver;
  std::vector<Step> steps;
  driver.setProgress([&](double delta, double time) { steps.push_back({delta, time}); });
  driver.tick(100.0);
  driver.tick(100.25);
  driver.tick(100.5);
  EXPECT_EQ(steps, (std::vector<Step>{{0.0, 0.0}, {0.25, 0.25}, {0.25, 0.5}}));
}

TEST(FrameDriver, APauseIsNotOneLongStep) {
  FrameDriver driver;
  std::vector<Step> steps;
  driver.setProgress([&](double delta, double time) { steps.push_back({delta, time}); });
  driver.tick(1.0);
  driver.tick(2.0);
  driver.setEnabled(false);
  driver.tick(3.0);  // nothing while disabled
  driver.setEnabled(true);
  driver.tick(60.0);
  driver.tick(60.5);
  EXPECT_EQ(steps, (std::vector<Step>{{0.0, 0.0}, {1.0, 1.0}, {0.0, 1.0}, {0.5, 1.5}}));
  EXPECT_DOUBLE_EQ(driver.currentTime(), 1.5);
}

}  // namespace
}  // namespace velmara::scene

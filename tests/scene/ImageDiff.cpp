#include "tests/scene/ImageDiff.h"

#include "scene/material/ImageFile.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>

namespace velmara::test {
namespace {

int channelDistance(std::uint32_t a, std::uint32_t b, int channels) {
  int worst = 0;
  for (int i = 0; i < channels; ++i) worst = std::max(worst, std::abs(channel(a, i) - channel(b, i)));
  return worst;
}

}  // namespace

std::uint32_t rgba(const scene::Colour& colour) {
  std::uint32_t value = 0;
  for (int i = 0; i < 4; ++i) {
    const auto level = static_cast<std::uint32_t>(std::lround(std::clamp(colour[i], 0.0f, 1.0f) * 255.0f));
    value = (value << 8) | level;
  }
  return value;
}

int channel(std::uint32_t value, int index) { return static_cast<int>((value >> (24 - 8 * index)) & 0xFFu); }

std::string hex(std::uint32_t value) {
  char text[12];
  std::snprintf(text, sizeof(text), "0x%08X", value);
  return text;
}

::testing::AssertionResult colourNear(std::uint32_t actual, std::uint32_t expected, int tolerance) {
  if (channelDistance(actual, expected, 3) <= tolerance) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << hex(actual) << " is not within " << tolerance << " of " << hex(expected);
}

::testing::AssertionResult imagesMatch(const scene::Image& actual, const scene::Image& expected, int tolerance,
                                       int allowedPixels, const std::string& name) {
  if (actual.width() != expected.width() || actual.height() != expected.height()) {
    return ::testing::AssertionFailure() << name << ": sizes differ";
  }
  int differing = 0;
  int firstX = -1, firstY = -1;
  for (int y = 0; y < actual.height(); ++y) {
    for (int x = 0; x < actual.width(); ++x) {
      if (channelDistance(actual.pixel(x, y), expected.pixel(x, y), 4) > tolerance) {
        if (differing++ == 0) {
          firstX = x;
          firstY = y;
        }
      }
    }
  }
  if (differing <= allowedPixels) return ::testing::AssertionSuccess();
  const auto folder = std::filesystem::temp_directory_path();
  scene::writePpm(folder / (name + "-actual.ppm"), actual);
  scene::writePpm(folder / (name + "-expected.ppm"), expected);
  return ::testing::AssertionFailure() << name << ": " << differing << " pixels differ (first at " << firstX << ", "
                                       << firstY << ": " << hex(actual.pixel(firstX, firstY)) << " instead of "
                                       << hex(expected.pixel(firstX, firstY)) << "); pictures in " << folder.string();
}

int countPixels(const scene::Image& image, std::uint32_t colour, int tolerance) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (channelDistance(image.pixel(x, y), colour, 3) <= tolerance) ++count;
    }
  }
  return count;
}

}  // namespace velmara::test

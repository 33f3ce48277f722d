#pragma once
// Comparing rendered pictures in tests: whole images (one-line checks of one rendering against
// another), single pixels against a colour, within a tolerance per channel. A failed image check
// writes both pictures as PPM files beside the test's temporary folder for a look.

#include "scene/material/Colour.h"
#include "scene/material/Image.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace velmara::test {

// 0xRRGGBBAA of a colour, channels rounded to 8 bits.
std::uint32_t rgba(const scene::Colour& colour);
int channel(std::uint32_t rgba, int index);  // 0 red … 3 alpha
std::string hex(std::uint32_t rgba);

// Whether the colours agree within `tolerance` levels in red, green and blue (alpha ignored).
::testing::AssertionResult colourNear(std::uint32_t actual, std::uint32_t expected, int tolerance);

// Whether at most `allowedPixels` pixels differ by more than `tolerance` levels in any channel.
::testing::AssertionResult imagesMatch(const scene::Image& actual, const scene::Image& expected, int tolerance,
                                       int allowedPixels = 0, const std::string& name = "image");

// Pixels whose red, green and blue lie within `tolerance` of `colour`.
int countPixels(const scene::Image& image, std::uint32_t colour, int tolerance);

}  // namespace velmara::test

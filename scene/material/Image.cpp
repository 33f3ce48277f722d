#include "scene/material/Image.h"

#include <cassert>

namespace velmara::scene {

Image::Image(int width, int height, std::vector<std::uint8_t> rgba)
    : width_(width), height_(height), pixels_(std::move(rgba)) {
  assert(pixels_.size() == static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4 &&
         "Image::Image(): pixel data does not match the size");
}

Image Image::filled(int width, int height, std::uint32_t rgba) {
  Image image(width, height, std::vector<std::uint8_t>(static_cast<std::size_t>(width) * height * 4));
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) image.setPixel(x, y, rgba);
  }
  return image;
}

std::uint32_t Image::pixel(int x, int y) const {
  const std::size_t at = (static_cast<std::size_t>(y) * width_ + x) * 4;
  return (std::uint32_t{pixels_[at]} << 24) | (std::uint32_t{pixels_[at + 1]} << 16) |
         (std::uint32_t{pixels_[at + 2]} << 8) | pixels_[at + 3];
}

void Image::setPixel(int x, int y, std::uint32_t rgba) {
  const std::size_t at = (static_cast<std::size_t>(y) * width_ + x) * 4;
  pixels_[at] = static_cast<std::uint8_t>(rgba >> 24);
  pixels_[at + 1] = static_cast<std::uint8_t>(rgba >> 16);
  pixels_[at + 2] = static_cast<std::uint8_t>(rgba >> 8);
  pixels_[at + 3] = static_cast<std::uint8_t>(rgba);
}

Image Image::withTopLeftTransparent() const {
  Image keyed = *this;
  if (empty()) return keyed;
  const std::uint32_t key = pixel(0, 0) & 0xFFFFFF00u;
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      const std::uint32_t colour = pixel(x, y) & 0xFFFFFF00u;
      keyed.setPixel(x, y, colour == key ? colour : colour | 0xFFu);
    }
  }
  return keyed;
}

}  // namespace velmara::scene

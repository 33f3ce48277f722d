#pragma once
// A picture in memory: RGBA, 8 bits a channel, rows from the top. Decoding files (JPEG, PNG) is the
// host's job; the scene layer reads PPM itself and takes anything else as a decoded Image.
// A picture one pixel high is a 1-D strip (a palette). Shared as std::shared_ptr<const Image>;
// its resource id tells the renderer when the texture on the card must change.

#include "scene/ResourceId.h"

#include <cstdint>
#include <vector>

namespace velmara::scene {

class Image {
public:
  Image() = default;
  // rgba: width × height × 4 bytes, top row first.
  Image(int width, int height, std::vector<std::uint8_t> rgba);
  // One colour everywhere, 0xRRGGBBAA.
  static Image filled(int width, int height, std::uint32_t rgba);

  int width() const { return width_; }
  int height() const { return height_; }
  bool empty() const { return width_ == 0 || height_ == 0; }
  const std::vector<std::uint8_t>& pixels() const { return pixels_; }
  std::uint64_t id() const { return id_.value(); }

  // 0xRRGGBBAA of a pixel, (0, 0) top left.
  std::uint32_t pixel(int x, int y) const;
  void setPixel(int x, int y, std::uint32_t rgba);

  // A copy where every pixel of the top-left pixel's colour is transparent and all others opaque.
  Image withTopLeftTransparent() const;

private:
  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint8_t> pixels_;
  ResourceId id_;
};

}  // namespace velmara::scene

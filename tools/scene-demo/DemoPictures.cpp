#include "tools/scene-demo/DemoPictures.h"

#include <cmath>
#include <functional>

namespace velmara::demo {
namespace {

constexpr std::uint32_t kKey = 0xFF00FFFFu;

// A picture whose every pixel is painted by `paint` at its centre (u, v from −1 to 1, v up).
std::shared_ptr<const scene::Image> paint(int width, int height, const std::function<std::uint32_t(float, float)>& paint) {
  scene::Image image = scene::Image::filled(width, height, kKey);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const float u = (static_cast<float>(x) + 0.5f) / static_cast<float>(width) * 2.0f - 1.0f;
      const float v = 1.0f - (static_cast<float>(y) + 0.5f) / static_cast<float>(height) * 2.0f;
      image.setPixel(x, y, paint(u, v));
    }
  }
  return std::make_shared<const scene::Image>(std::move(image));
}

}  // namespace

std::shared_ptr<const scene::Image> fishPicture() {
  // Twice as wide as high: body ellipse, tail triangle, an eye. White, tinted by the mark colour.
  return paint(64, 32, [](float u, float v) {
    const bool body = (u + 0.15f) * (u + 0.15f) / 0.45f + v * v / 0.5f < 1.0f;
    const bool tail = u > 0.45f && u < 0.95f && std::abs(v) < (u - 0.45f) * 1.4f;
    const bool eye = (u + 0.55f) * (u + 0.55f) + (v - 0.15f) * (v - 0.15f) < 0.012f;
    if (eye) return 0x202020FFu;
    return body || tail ? 0xFFFFFFFFu : kKey;
  });
}

std::shared_ptr<const scene::Image> dangerPicture() {
  // A red-rimmed triangle with an exclamation mark.
  return paint(32, 32, [](float u, float v) {
    const float inside = std::min(v + 0.8f, 0.8f - v - 1.7f * std::abs(u));
    if (inside < 0.0f) return kKey;
    const bool mark = std::abs(u) < 0.07f && ((v > -0.25f && v < 0.35f) || (v > -0.5f && v < -0.38f));
    if (mark) return 0x101010FFu;
    return inside < 0.18f ? 0xE01010FFu : 0xFFFFFFFFu;
  });
}

std::shared_ptr<const scene::Image> compassPicture() {
  return paint(64, 64, [](float u, float v) {
    const float r = std::sqrt(u * u + v * v);
    if (r > 0.98f) return 0x00000000u;
    const bool north = v > 0.0f && std::abs(u) < 0.25f * (1.0f - v);
    const bool needle = std::abs(v) < 0.25f * (1.0f - std::abs(u)) || std::abs(u) < 0.25f * (1.0f - std::abs(v));
    if (north) return 0xD02020FFu;
    if (needle) return 0xF0F0F0FFu;
    return r > 0.9f ? 0x303030FFu : 0x30506080u;
  });
}

}  // namespace velmara::demo

#include "scene/hud/HudCanvas.h"

namespace velmara::scene {

void HudCanvas::begin(int width, int height) {
  width_ = width;
  height_ = height;
  quads_.clear();
}

void HudCanvas::fillRect(const glm::vec2& topLeft, const glm::vec2& size, const Colour& colour) {
  quads_.push_back(HudQuad{{topLeft, topLeft + size}, {0.0f, 0.0f, 1.0f, 1.0f}, colour, nullptr});
}

void HudCanvas::drawImage(const Image& image, const glm::vec2& topLeft, const glm::vec2& size, const Colour& tint) {
  quads_.push_back(HudQuad{{topLeft, topLeft + size}, {0.0f, 0.0f, 1.0f, 1.0f}, tint, &image});
}

void HudCanvas::drawText(const BitmapFont& font, std::string_view utf8, const glm::vec2& topLeft, const Colour& colour,
                         TextAlignment alignment, float scale) {
  const Image* atlas = font.atlas().get();
  const glm::vec4 origin(topLeft, topLeft);
  font.layout(utf8, topLeft, alignment, [&](const glm::vec4& screen, const glm::vec4& uv) {
    quads_.push_back(HudQuad{origin + (screen - origin) * scale, uv, colour, atlas});
  });
}

}  // namespace velmara::scene

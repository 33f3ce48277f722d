#pragma once
// Drawing in window pixels over the 3D view, measured from the top-left corner: filled
// rectangles, pictures and text. Heads-up objects (texts, sprites, the information menu) paint
// here during a frame, in scene order; the renderer draws it all last, blended over the scene.

#include "scene/material/Colour.h"
#include "scene/material/Image.h"
#include "scene/text/BitmapFont.h"

#include <glm/glm.hpp>

#include <string_view>
#include <vector>

namespace velmara::scene {

struct HudQuad {
  glm::vec4 screen{0.0f};  // x0 y0 x1 y1, pixels from the top-left corner
  glm::vec4 atlas{0.0f, 0.0f, 1.0f, 1.0f};  // u0 v0 u1 v1 of the picture, v down
  Colour colour{1.0f};  // multiplies the picture
  const Image* image = nullptr;  // none: plain colour
};

class HudCanvas {
public:
  void begin(int width, int height);
  int width() const { return width_; }
  int height() const { return height_; }

  void fillRect(const glm::vec2& topLeft, const glm::vec2& size, const Colour& colour);
  // The picture must outlive the frame (objects own theirs).
  void drawImage(const Image& image, const glm::vec2& topLeft, const glm::vec2& size, const Colour& tint = Colour(1.0f));
  // `scale` enlarges the glyphs about the top-left corner (a layout made for a smaller screen).
  void drawText(const BitmapFont& font, std::string_view utf8, const glm::vec2& topLeft, const Colour& colour,
                TextAlignment alignment = TextAlignment::Left, float scale = 1.0f);

  const std::vector<HudQuad>& quads() const { return quads_; }

private:
  int width_ = 0;
  int height_ = 0;
  std::vector<HudQuad> quads_;
};

}  // namespace velmara::scene

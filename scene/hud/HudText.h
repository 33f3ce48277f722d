#pragma once
// A heads-up text: one or more lines ('\n') in a bitmap font and a colour with alpha, its box's
// top-left corner at the screen position. Without a font it draws nothing.

#include "scene/hud/HudObject.h"
#include "scene/text/BitmapFont.h"

#include <memory>
#include <string>

namespace velmara::scene {

class HudText : public HudObject {
public:
  explicit HudText(std::string name = {}) : HudObject(std::move(name)) {}

  const std::string& text() const { return text_; }
  void setText(std::string utf8) { text_ = std::move(utf8); }
  const std::shared_ptr<const BitmapFont>& font() const { return font_; }
  void setFont(std::shared_ptr<const BitmapFont> font) { font_ = std::move(font); }
  const Colour& colour() const { return colour_; }
  void setColour(const Colour& colour) { colour_ = colour; }
  TextAlignment alignment() const { return alignment_; }
  void setAlignment(TextAlignment alignment) { alignment_ = alignment; }
  // Size of the text's box in pixels.
  glm::vec2 size() const;

protected:
  void paint(HudCanvas& canvas) const override;
  glm::vec4 screenRect() const override;

private:
  std::string text_;
  std::shared_ptr<const BitmapFont> font_;
  Colour colour_{1.0f};
  TextAlignment alignment_ = TextAlignment::Left;
};

}  // namespace velmara::scene

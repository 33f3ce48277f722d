#include "scene/hud/HudText.h"

namespace velmara::scene {

glm::vec2 HudText::size() const { return font_ ? font_->measure(text_) : glm::vec2(0.0f); }

void HudText::paint(HudCanvas& canvas) const {
  if (font_ && !text_.empty()) canvas.drawText(*font_, text_, screenPosition(), colour_, alignment_);
}

glm::vec4 HudText::screenRect() const { return {screenPosition(), screenPosition() + size()}; }

}  // namespace velmara::scene

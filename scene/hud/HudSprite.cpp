#include "scene/hud/HudSprite.h"

namespace velmara::scene {

void HudSprite::paint(HudCanvas& canvas) const {
  if (image_) {
    canvas.drawImage(*image_, screenPosition(), size(), colour_);
  } else {
    canvas.fillRect(screenPosition(), size(), colour_);
  }
}

}  // namespace velmara::scene

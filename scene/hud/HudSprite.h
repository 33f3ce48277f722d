#pragma once
// A heads-up picture: width × height pixels (times the object's scale) from the screen position,
// tinted by a colour with alpha.

#include "scene/hud/HudObject.h"
#include "scene/material/Image.h"

#include <memory>

namespace velmara::scene {

class HudSprite : public HudObject {
public:
  explicit HudSprite(std::string name = {}) : HudObject(std::move(name)) {}

  const std::shared_ptr<const Image>& image() const { return image_; }
  void setImage(std::shared_ptr<const Image> image) { image_ = std::move(image); }
  glm::vec2 size() const { return size_ * glm::vec2(scale()); }
  void setSize(const glm::vec2& pixels) { size_ = pixels; }
  const Colour& colour() const { return colour_; }
  void setColour(const Colour& colour) { colour_ = colour; }

protected:
  void paint(HudCanvas& canvas) const override;
  glm::vec4 screenRect() const override { return {screenPosition(), screenPosition() + size()}; }

private:
  std::shared_ptr<const Image> image_;
  glm::vec2 size_{32.0f, 32.0f};
  Colour colour_{1.0f};
};

}  // namespace velmara::scene

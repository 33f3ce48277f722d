// Heads-up texts, pictures and rectangles, placed in pixels from the top-left corner.

#include "scene/hud/HudSprite.h"
#include "scene/hud/HudText.h"
#include "scene/objects/Dummy.h"
#include "tests/scene/RenderFixture.h"

namespace velmara::test {
namespace {

class HeadsUp : public RenderFixture {
protected:
  static std::shared_ptr<const scene::BitmapFont> font(int pixels) {
    auto loaded = scene::BitmapFont::fromSystem({"DejaVu Sans"}, pixels);
    EXPECT_TRUE(loaded) << loaded.error();
    return loaded ? loaded.value() : nullptr;
  }
  // Pixels of (about) a colour inside and outside a rectangle of the picture (top-left origin).
  static std::pair<int, int> countInside(const scene::Image& image, const glm::vec4& rect, std::uint32_t colour) {
    int inside = 0, outside = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        if (!colourNear(image.pixel(x, y), colour, 40)) continue;
        const bool in = x >= rect.x && x < rect.z && y >= rect.y && y < rect.w;
        (in ? inside : outside)++;
      }
    }
    return {inside, outside};
  }
};

TEST_F(HeadsUp, TextDrawsInItsBoxLineUnderLine) {
  auto& text = scene_.root().emplaceChild<scene::HudText>("BearingText");
  text.setFont(font(16));
  ASSERT_TRUE(text.font());
  text.setText("Range: 1,000.0 m\nBearing: 90");
  text.setColour({1, 1, 0, 1});
  text.setScreenPosition({10, 20});
  const glm::vec2 size = text.size();
  EXPECT_EQ(size.y, 2.0f * static_cast<float>(text.font()->lineHeight()));
  EXPECT_GT(size.x, 100.0f);

  const scene::Image image = render();
  const glm::vec4 box(10, 20, 10 + size.x, 20 + size.y);
  const auto [inside, outside] = countInside(image, box, 0xFFFF00FFu);
  EXPECT_GT(inside, 100);
  EXPECT_EQ(outside, 0);
  // Both lines have ink.
  const float middle = 20 + size.y / 2;
  EXPECT_GT(countInside(image, {10, 20, box.z, middle}, 0xFFFF00FFu).first, 40);
  EXPECT_GT(countInside(image, {10, middle, box.z, box.w}, 0xFFFF00FFu).first, 40);
}

TEST_F(HeadsUp, TextFollowsItsParentsVisibility) {
  auto& anchor = scene_.root().emplaceChild<scene::Dummy>("BearingCube");
  auto& text = anchor.emplaceChild<scene::HudText>("BearingText");
  text.setFont(font(14));
  text.setText("Bearing: 90");
  anchor.setPosition({100, 100, 100});  // the parent's placement does not move it
  text.setScreenPosition({5, 5});
  const scene::Image shown = render();
  EXPECT_GT(countInside(shown, {5, 5, 5 + text.size().x, 5 + text.size().y}, 0xFFFFFFFFu).first, 30);
  anchor.setVisible(false);
  EXPECT_EQ(countPixels(render(), 0xFFFFFFFFu, 40), 0);
}

TEST_F(HeadsUp, AlphaBlendsTextAndRectanglesOverTheScene) {
  scene_.root().emplaceChild<scene::HudSprite>("panel");  // a plain rectangle without a picture
  auto& panel = *static_cast<scene::HudSprite*>(scene_.find("panel"));
  panel.setScreenPosition({20, 30});
  panel.setSize({40, 10});
  panel.setColour({1, 1, 1, 0.25f});
  const scene::Image image = render();
  EXPECT_TRUE(colourNear(image.pixel(21, 31), 0x404040FFu, 1));
  EXPECT_EQ(channel(image.pixel(21, 31), 3), 255);  // blending over the opaque scene keeps it opaque
  EXPECT_TRUE(colourNear(image.pixel(59, 39), 0x404040FFu, 1));
  EXPECT_TRUE(colourNear(image.pixel(60, 39), 0x000000FFu, 0));
  EXPECT_TRUE(colourNear(image.pixel(21, 40), 0x000000FFu, 0));
}

TEST_F(HeadsUp, APictureIsDrawnTheRightWayUpAtItsSize) {
  auto picture = scene::Image::filled(2, 2, 0xFF0000FFu);
  picture.setPixel(0, 0, 0x00FF00FFu);  // top left green
  auto& sprite = scene_.root().emplaceChild<scene::HudSprite>();
  sprite.setImage(std::make_shared<const scene::Image>(picture));
  sprite.setScreenPosition({100, 10});
  sprite.setSize({20, 20});
  sprite.setScale(2.0f);  // 40 × 40 pixels
  const scene::Image image = render();
  EXPECT_TRUE(colourNear(image.pixel(105, 15), 0x00FF00FFu, 1));
  EXPECT_TRUE(colourNear(image.pixel(135, 45), 0xFF0000FFu, 1));
  EXPECT_TRUE(colourNear(image.pixel(141, 45), 0x000000FFu, 0));
}

}  // namespace
}  // namespace velmara::test

// The heads-up information menu drawn over the 3D view: columns, colours, hidden lines, scale.
#include "controls/hud/GLKVTMenu.h"
#include "tests/scene/RenderFixture.h"

namespace velmara::test {
namespace {

constexpr std::uint32_t Yellow = 0xFFFF00FFu, Green = 0x00FF00FFu, Red = 0xFF0000FFu;

class GLKVTMenu : public RenderFixture {
protected:
  GLKVTMenu() : menu_(scene_.root().emplaceChild<TGLKVTMenu>()) {
    auto font = scene::BitmapFont::fromSystem({"DejaVu Sans"}, 12);
    EXPECT_TRUE(font) << font.error();
    if (font) menu_.Font = font.value();
    menu_.setScreenPosition({10, 10});
    menu_.TitleWidth = 70;
    menu_.MarginHorz = 4;
    menu_.MarginVert = 4;
    menu_.Spacing = 8;
    menu_.BackColor = {0, 0, 1, 1};
    menu_.InactiveColor = {1, 1, 0, 1};
    menu_.ActiveColor = {0, 1, 0, 1};
    menu_.DisabledColor = {1, 0, 0, 1};
  }
  // Pixels near a colour inside x0 y0 x1 y1 (top-left origin).
  static int Ink(const scene::Image& image, const glm::vec4& rect, std::uint32_t colour) {
    int count = 0;
    for (int y = std::max(0, int(rect.y)); y < std::min(image.height(), int(rect.w)); ++y)
      for (int x = std::max(0, int(rect.x)); x < std::min(image.width(), int(rect.z)); ++x)
        if (colourNear(image.pixel(x, y), colour, 60)) ++count;
    return count;
  }
  float LineHeight() const { return static_cast<float>(menu_.Font->lineHeight()); }

  TGLKVTMenu& menu_;
};

TEST_F(GLKVTMenu, TitlesAndValuesInTheirColumnsHiddenLinesTakeNoRoom) {
  ASSERT_TRUE(menu_.Font);
  menu_.SetTitles({"Latitude", "Tide", "Net Depth"});
  EXPECT_TRUE(menu_.SetItem("Latitude", "41.2"));
  EXPECT_TRUE(menu_.SetItem("Tide", "1.5 m"));
  EXPECT_TRUE(menu_.SetItem("Net Depth", "88"));
  EXPECT_FALSE(menu_.SetItem("RH at Cursor", "x"));
  menu_.Lines()[1].Visible = false;
  menu_.SetSelected(1);  // would be green if it were drawn
  menu_.Lines()[2].Enabled = false;

  const scene::Image image = render();
  const float h = LineHeight();
  const float firstTop = 14, secondTop = 14 + h + 8;
  const float titleLeft = 14, valueLeft = 14 + 70;
  EXPECT_GT(Ink(image, {titleLeft, firstTop, valueLeft, firstTop + h}, Yellow), 20) << "title of the first line";
  EXPECT_GT(Ink(image, {valueLeft, firstTop, kWidth, firstTop + h}, Yellow), 10) << "value of the first line";
  EXPECT_EQ(Ink(image, {0, 0, kWidth, kHeight}, Green), 0) << "the hidden line";
  EXPECT_GT(Ink(image, {titleLeft, secondTop, valueLeft, secondTop + h}, Red), 20) << "next line moves up";
  EXPECT_GT(Ink(image, {valueLeft, secondTop, kWidth, secondTop + h}, Red), 5);
  EXPECT_EQ(Ink(image, {0, firstTop + h, kWidth, secondTop}, Red) + Ink(image, {0, firstTop + h, kWidth, secondTop}, Yellow), 0);

  // The background covers two lines and their margins, nothing below.
  const glm::vec4 back = menu_.BackRect(kWidth);
  EXPECT_EQ(back.w, 10 + 4 + h + 8 + h + 4);
  EXPECT_TRUE(colourNear(image.pixel(11, int(back.w) - 1), 0x0000FFFFu, 2));
  EXPECT_TRUE(colourNear(image.pixel(11, int(back.w) + 1), 0x000000FFu, 2));
  EXPECT_EQ(menu_.LineAt({20, secondTop + 1}, kWidth), 2);
}

TEST_F(GLKVTMenu, SelectionColoursItsLineAndIsReported) {
  ASSERT_TRUE(menu_.Font);
  std::vector<int> reported;
  menu_.OnSelectedChanged = [&](int index) { reported.push_back(index); };
  menu_.SetTitles({"Latitude", "Longitude"});
  menu_.SetItem("Longitude", "174.3");
  menu_.SetSelected(1);
  menu_.SetSelected(1);
  menu_.SetSelected(7);
  EXPECT_EQ(reported, (std::vector<int>{1, -1}));
  menu_.SetSelected(1);

  const scene::Image image = render();
  const float secondTop = 14 + LineHeight() + 8;
  EXPECT_GT(Ink(image, {14, secondTop, kWidth, secondTop + LineHeight()}, Green), 20);
  EXPECT_GT(Ink(image, {14, 14, 84, 14 + LineHeight()}, Yellow), 20);

  menu_.SetIsVisible(false);
  EXPECT_EQ(countPixels(render(), 0x0000FFFFu, 2), 0);
}

TEST_F(GLKVTMenu, LaidOutFor1024PixelsItScalesWithTheView) {
  ASSERT_TRUE(menu_.Font);
  menu_.SetTitles({"Tide"});
  menu_.setScreenPosition({0, 0});
  menu_.TitleWidth = 30;
  menu_.ScreenWidth = 80;  // the view is twice as wide
  // Rows from the first to the last with title ink.
  const auto inkRows = [this](const scene::Image& image) {
    int top = kHeight, bottom = -1;
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x)
        if (colourNear(image.pixel(x, y), Yellow, 60)) top = std::min(top, y), bottom = std::max(bottom, y);
    return bottom - top + 1;
  };
  const glm::vec4 normal = menu_.BackRect(kWidth);
  const int normalInk = inkRows(render());

  menu_.MenuScale = TGLMenuScale::gms1024x768;
  const glm::vec4 scaled = menu_.BackRect(kWidth);
  EXPECT_EQ(scaled.z, 2 * normal.z);
  EXPECT_EQ(scaled.w, 2 * normal.w);
  const scene::Image image = render();
  EXPECT_TRUE(colourNear(image.pixel(int(scaled.z) - 1, int(scaled.w) - 1), 0x0000FFFFu, 2));
  // (Magnified glyph edges blend into the background, so a few rows fall under the threshold.)
  EXPECT_NEAR(inkRows(image), 2 * normalInk, 4) << "the text grows with the layout";
}

TEST_F(GLKVTMenu, TitleCellsShowTheTitleMaterial) {
  ASSERT_TRUE(menu_.Font);
  scene::MaterialLibrary library;
  library.add("menutitle").texture.image = std::make_shared<const scene::Image>(scene::Image::filled(4, 4, 0xFF00FFFFu));
  menu_.MaterialLibrary = &library;
  menu_.TitleMaterialName = "menutitle";
  menu_.SetTitles({"Tide"});
  const scene::Image image = render();
  EXPECT_TRUE(colourNear(image.pixel(14 + 69, 15), 0xFF00FFFFu, 2));
  EXPECT_TRUE(colourNear(image.pixel(14 + 71, 15), 0x0000FFFFu, 2));
}

}  // namespace
}  // namespace velmara::test

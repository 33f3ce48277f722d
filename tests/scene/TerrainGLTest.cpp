// The terrain on screen: no cracks from a low angle, contours where the heights cross their
// levels and only under water, texture coordinates that put the normal map's rows on the right
// grid rows, and nothing where the source has no data.

#include "scene/material/MaterialLibrary.h"
#include "scene/terrain/TerrainRenderer.h"
#include "tests/scene/RenderFixture.h"
#include "tests/scene/SyntheticHeights.h"

#include <cmath>

namespace velmara::test {
namespace {

using scene::Colour;

constexpr std::uint32_t kBackground = 0xFFFFFFFFu;
constexpr std::uint32_t kGround = 0x406080FFu;

class TerrainOnScreen : public RenderFixture {
protected:
  void place(SyntheticHeights& source) {
    terrain_ = &scene_.root().emplaceChild<scene::TerrainRenderer>();
    terrain_->setDirection({0, 1, 0});
    terrain_->setUp({0, 0, 1});
    terrain_->setScale({1.0f, 1.0f, 3.2f});
    terrain_->setHeightDataSource(&source);
    terrain_->setMaterialLibrary(&library_);
    terrain_->setMaterialName("ground");
    terrain_->settings().qualityDistance = 400.0f;
    scene::Material& ground = library_.add("ground");
    ground.lit = false;
    ground.diffuse = Colour(0x40 / 255.0f, 0x60 / 255.0f, 0x80 / 255.0f, 1.0f);
    viewer_->setBackgroundColour(Colour(1, 1, 1, 1));
    camera_.setDepthOfView(3000.0f);
  }
  // Straight down on grid (x, y) from `height`, north up, east to the right.
  void lookDown(float x, float y, float height) {
    camera_.setPosition({-x, height, y});
    camera_.setUp({0, 0, 1});
    camera_.setDirection({0, -1, 0});
    camera_.setUp({0, 0, 1});
  }
  std::uint32_t gridPixel(const scene::Image& image, float x, float y, float v = 0.0f) const {
    return pixelAt(image, terrain_->gridToScene({x, y, v}));
  }

  scene::MaterialLibrary library_;
  scene::TerrainRenderer* terrain_ = nullptr;
};

TEST_F(TerrainOnScreen, NoBackgroundShowsThroughFromALowAngle) {
  SyntheticHeights source(-256, -256, 512, cliffHeights);
  place(source);
  // Low over the deep side, looking across the cliff: the variance changes sharply there.
  const struct {
    glm::vec2 eye, at;
    float height;
  } views[] = {{{-60, -150}, {40, 60}, 0.0f}, {{-20, -60}, {60, -40}, -20.0f}, {{-100, 0}, {0, 10}, -10.0f}};
  for (const auto& view : views) {
    camera_.setPosition(terrain_->gridToScene({view.eye.x, view.eye.y, 0}) + glm::vec3(0, view.height, 0));
    camera_.pointTo(terrain_->gridToScene({view.at.x, view.at.y, 0}));
    const scene::Image image = render();
    int holes = 0, ground = 0;
    for (int x = 0; x < kWidth; ++x) {
      int topmost = -1;
      for (int y = 0; y < kHeight; ++y)
        if (!colourNear(windowPixel(image, x, y), kBackground, 8)) topmost = y;
      for (int y = 0; y < topmost; ++y) {
        if (colourNear(windowPixel(image, x, y), kBackground, 8)) ++holes;
        ++ground;
      }
    }
    EXPECT_GT(ground, kWidth * kHeight / 4) << "the terrain fills the lower part of the view";
    EXPECT_EQ(holes, 0) << "background pixels inside the terrain's silhouette";
  }
}

TEST_F(TerrainOnScreen, ContoursAppearWhereHeightsCrossTheirLevelsAndNeverAboveWater) {
  // A plane rising four height units a cell eastward: level k × 100 + 0.1 lies at x ≈ 25k.
  SyntheticHeights source(-256, -256, 512, [](int x, int) { return 4 * x; });
  place(source);
  terrain_->settings().contourInterval = 100;
  terrain_->settings().waterLevel = 0.0f;
  lookDown(0, 0, 200);
  const scene::Image image = render();
  const std::uint32_t black = 0x000000FFu;
  for (const int k : {-3, -2, -1}) {
    const float x = 25.0f * static_cast<float>(k) + 0.025f;
    const glm::vec3 window = viewer_->sceneToScreen(terrain_->gridToScene({x, 0, 4 * x}));
    int found = 0;
    for (int dx = -1; dx <= 1; ++dx) found += colourNear(windowPixel(image, static_cast<int>(window.x) + dx, static_cast<int>(window.y)), black, 40);
    EXPECT_GT(found, 0) << "level " << k * 100 << " at column " << window.x;
    EXPECT_TRUE(colourNear(gridPixel(image, x + 8.0f, 0, 4 * (x + 8.0f)), kGround, 4)) << "between levels";
  }
  // East of x = 0 the ground is above the water: no lines there at all.
  const int column = static_cast<int>(viewer_->sceneToScreen(terrain_->gridToScene({2, 0, 8})).x);
  int darkAboveWater = 0;
  for (int x = column; x < kWidth; ++x)
    for (int y = 0; y < kHeight; ++y) darkAboveWater += colourNear(windowPixel(image, x, y), black, 40);
  EXPECT_EQ(darkAboveWater, 0);
  terrain_->settings().contourInterval = 0;
  EXPECT_EQ(countPixels(render(), black, 40), 0) << "contours off";
}

TEST_F(TerrainOnScreen, NormalMapRowsLandOnTheirGridRowsAndNoDataTilesStayEmpty) {
  // The window's picture: row r shows grid row Bottom + r, column c grid column Left + c.
  SyntheticHeights source(-64, -64, 128, [](int, int) { return 0; });
  source.noDataAt = [](int x, int y) { return x == 0 && y == 0; };
  place(source);
  terrain_->settings().tilesPerTexture = 4;  // 4 × 32 cells: one picture spans the window
  scene::Material& ground = *library_.find("ground");
  ground.texture.image = std::make_shared<const scene::Image>(
      scene::Image(2, 2, {255, 0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 255, 255, 0, 255}));
  ground.texture.mode = scene::TextureMode::Replace;
  ground.texture.minFilter = scene::TextureFilter::Nearest;
  ground.texture.magFilter = scene::TextureFilter::Nearest;
  ground.texture.offset = {-static_cast<float>(source.left()) / 128.0f, static_cast<float>(source.bottom()) / 128.0f};
  lookDown(-16, -16, 150);
  const scene::Image image = render();
  EXPECT_TRUE(colourNear(gridPixel(image, -40, -40), 0xFF0000FFu, 4)) << "south-west: the picture's first row, first column";
  EXPECT_TRUE(colourNear(gridPixel(image, -40, 16), 0x0000FFFFu, 4)) << "north-west";
  EXPECT_TRUE(colourNear(gridPixel(image, 16, -40), 0x00FF00FFu, 4)) << "south-east";
  EXPECT_TRUE(colourNear(gridPixel(image, 16, 16), kBackground, 4)) << "the tile without data";
  EXPECT_TRUE(colourNear(gridPixel(image, 48, 48), kBackground, 4)) << "beyond the window";
}

}  // namespace
}  // namespace velmara::test

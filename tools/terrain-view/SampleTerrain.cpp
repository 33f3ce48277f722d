#include "tools/terrain-view/SampleTerrain.h"

#include "colour/Shading.h"
#include "colour/TerrainSceneMaterials.h"
#include "scene/objects/Dummy.h"

#include <glm/glm.hpp>

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace velmara::samples {
namespace {

constexpr SampleScene kScenes[] = {
    {"Inshore 2nm", "myIS2nmRaster.dat", -41.216666, 174.32416666, 5, 10, 5},
    {"Inshore 20nm", "myIS5nmRaster.dat", -41.216666, 174.32416666, 48, 10, 5},
    {"Deepsea 5nm", "myDS10nmRaster.dat", -41.619666, 174.848, 12, 1, 100},
    {"Deepsea 20nm", "myDS20nmRaster.dat", -41.619666, 174.848, 48, 1, 100},
};

// The demonstration scenes' vertical exaggeration.
constexpr float kExaggeration = 2.0f;

}  // namespace

const SampleScene& sampleScene(int index) { return kScenes[index]; }

SampleTerrain::SampleTerrain(const SampleScene& scene, const std::filesystem::path& dataFolder) : info_(scene) {
  source_.CellSize = scene.cellSize;
  source_.HeightScale = scene.heightScale;
  source_.RasterFile = (dataFolder / scene.file).string();
  std::string failure;
  source_.OnError = [&](const std::string& message) { failure = message; };
  source_.SetOrigin(scene.lon, scene.lat);
  const TGridPoint start = source_.LatLonToGrid(scene.lon, scene.lat);
  source_.StartLoad(start.x, start.y);
  source_.WaitUntilReady();
  if (!failure.empty()) throw std::runtime_error(failure);

  terrain_ = &scene_.root().emplaceChild<scene::TerrainRenderer>();
  terrain_->setDirection({0, 1, 0});
  terrain_->setUp({0, 0, 1});
  terrain_->setScale({1.0f, 1.0f, kExaggeration * 128.0f / static_cast<float>(scene.cellSize) / static_cast<float>(scene.heightScale)});
  terrain_->setHeightDataSource(&source_);
  terrain_->setMaterialLibrary(&library_);
  terrain_->setMaterialName("shader");
  terrain_->settings().tilesPerTexture = 1024 / terrain_->settings().tileSize;
  terrain_->settings().camRes = 2;
  terrain_->settings().qualityDistance = 400.0f;
  terrain_->onGetTerrainBounds = [this](int& l, int& t, int& b, int& r) {
    const TWindowBounds w = source_.Bounds();
    if (source_.State() == 2 && w.Right - w.Left >= 500 && w.Right - w.Left <= 1025) {
      l = w.Left;
      t = w.Top;
      b = w.Bottom;
      r = w.Right;
    }
  };
  buildMaterials(dataFolder);

  anchor_ = &scene_.root().emplaceChild<scene::Dummy>("SkyCube");
  // The vessel's place: on the sea surface, or on the ground where that is higher.
  const glm::vec3 surface = terrain_->gridToScene({static_cast<float>(start.x), static_cast<float>(start.y), 0});
  anchor_->setPosition({surface.x, std::max(terrain_->sceneHeightAt(surface).value_or(0.0f), surface.y), surface.z});
  sky_ = &anchor_->emplaceChild<scene::Camera>("SkyCamera");
  sky_->setPosition({0, 70, -30});
  sky_->setTarget(anchor_);
  sky_->setFocalLength(50);
  sky_->setDepthOfView(1024);
  low_ = &anchor_->emplaceChild<scene::Camera>("FishingCamera");
  low_->setPosition({0, 3, -3});
  low_->setTarget(anchor_);
  low_->setFocalLength(60);
  low_->setDepthOfView(1024);
  overview_ = &anchor_->emplaceChild<scene::Camera>("overview");
  overview_->setPosition({0, 450, -420});
  overview_->setTarget(anchor_);
  overview_->setFocalLength(35);
  overview_->setDepthOfView(2048);
  const glm::vec3 eye = surface - glm::vec3(0.0f, 0.0f, 150.0f);
  const float bed = terrain_->sceneHeightAt(eye).value_or(0.0f);
  horizon_ = &scene_.root().emplaceChild<scene::Camera>("horizon");
  horizon_->setPosition({eye.x, bed + 12.0f, eye.z});
  horizon_->pointTo(glm::vec3(eye.x, bed - 10.0f, eye.z + 250.0f));
  horizon_->setFocalLength(35);
  horizon_->setDepthOfView(2048);
}

void SampleTerrain::buildMaterials(const std::filesystem::path& dataFolder) {
  TTerrainSceneMaterials materials(library_);
  const std::string failure = materials.Apply(TerrainMaterialsFor(TTexturingPath::Full, TPaletteKind::pkDepth));
  if (!failure.empty()) throw std::runtime_error(failure);
  const TWindowBounds bounds = source_.Bounds();
  source_.ReadNormalMap([&](const std::uint32_t* pixels) { materials.SetNormalMap(pixels, source_.GridSize(), bounds.Left, bounds.Bottom); });
  // The light vector of the relief shading from the south-east, fairly high.
  const glm::vec3 light = glm::normalize(glm::vec3(-0.5f, -0.6f, 0.6f));
  materials.SetLightVector({0.5f + 0.5f * light.x, 0.5f + 0.5f * light.z, 0.9f, 0.0f});
  TDepthPalette palette;
  const TPaletteFileResult loaded = palette.LoadFile((dataFolder / "pal0.cpt").string());
  if (!loaded.ok()) throw std::runtime_error(loaded.message);
  const THeightRange range = source_.HeightRangeAround();
  palette.Smooth = true;
  palette.SpreadOverRange(static_cast<int32_t>(range.Max), static_cast<int32_t>(range.Min));
  palette.BuildStrip();
  materials.SetDepthStrip(palette);
}

void SampleTerrain::showContours(bool on) {
  terrain_->settings().contourInterval = on ? info_.contourInterval * info_.heightScale : 0;
}

}  // namespace velmara::samples

#include "app/view/ChartTerrain.h"

#include "colour/LandTexture.h"
#include "colour/PaletteRange.h"
#include "colour/PictureFiles.h"
#include "colour/Shading.h"
#include "terrain/MapResolution.h"

#include <malloc.h>

#include <chrono>
#include <thread>

namespace velmara {

TChartTerrain::TChartTerrain(TMainScene& scene, std::function<void()> pumpMessages)
    : scene_(scene), pump_(std::move(pumpMessages)), materials_(scene.GLMaterialLibrary1) {}

TChartTerrain::~TChartTerrain() { Shutdown(); }

void TChartTerrain::Shutdown() {
  if (!source_) return;
  scene_.TerrainRenderer1->setHeightDataSource(nullptr);
  source_.reset();
}

void TChartTerrain::StartUp(const TChartTerrainSettings& settings) {
  settings_ = settings;
  source_ = std::make_unique<TPGSBitmapHDS>();
  TPGSBitmapHDS& source = *source_;
  const TTexturingPath path = TexturingPathFor(settings.TextureUnits);
  const TTerrainMaterials materials = TerrainMaterialsFor(path, TPaletteKind::pkDepth);
  source.SetNormalScale(materials.normalScale);
  scene_.TerrainRenderer1->setMaterialName(materials.rendererMaterial);
  if (const std::string failure = materials_.Apply(materials); !failure.empty() && OnError) OnError(failure);
  source.MaxPoolSize = 0x800000;
  source.RasterFile = settings.RasterFile;
  source.HeightScale = HeightScale();
  source.PumpMessages = pump_;
  source.OnError = [this](const std::string& message) {
    if (OnError) OnError(message);
  };
  source.ProgressWindow = "TProgressFrm";
  depthPalette_.LoadFile(settings.PaletteFile);
  // Depth ranges are given positive down; the heights below water are negative.
  depthPalette_.Negate = true;

  cellSize_ = CellSizeFor(settings.MapResolution, settings.Inshore, settings.Latitude);
  source.CellSize = cellSize_;
  source.SetOrigin(settings.Longitude, settings.Latitude);
  start_ = source.LatLonToGrid(settings.Longitude, settings.Latitude);
  source.OnHeightChanged = [this](THeightLoadThread&) { heightChanged_ = true; };
  source.OnContoursReady = [this](THeightLoadThread&) { contoursChanged_ = true; };
  if (source.Contours().Interval == 0) source.Contours().Interval = 100;

  scene::TerrainRenderer& renderer = *scene_.TerrainRenderer1;
  renderer.setScale({1.0f, 1.0f, static_cast<float>(TerrainScaleZ(settings.VerticalExaggeration, cellSize_, HeightScale()))});
  renderer.onGetTerrainBounds = [this](int& l, int& t, int& b, int& r) {
    if (!source_) return;
    const TWindowBounds w = source_->Bounds();
    if (source_->State() == 2 && w.Right - w.Left >= 500 && w.Right - w.Left <= 1025) {
      l = w.Left;
      t = w.Top;
      b = w.Bottom;
      r = w.Right;
    }
  };
  renderer.settings().contourInterval = settings.ContoursOn ? settings.ContourInterval * HeightScale() : 0;
  renderer.setHeightDataSource(&source);
  source.StartLoad(start_.x, start_.y);
  source.WaitUntilReady();
  std::this_thread::sleep_for(std::chrono::seconds(1));
  source.WaitUntilReady();
  renderer.settings().tilesPerTexture = 1024 / renderer.settings().tileSize;
  ProcessHeightChange();
}

TGridPoint TChartTerrain::MoveTo(double latitude, double longitude) {
  TPGSBitmapHDS& source = *source_;
  source.WaitUntilReady();
  GeoPoint position;
  position.lat = latitude;
  position.lon = longitude;
  SetPosition(position);
  UseCellSizeAt(latitude);
  source.SetOrigin(longitude, latitude);
  const TGridPoint grid = source.LatLonToGrid(longitude, latitude);
  source.StartLoad(grid.x, grid.y);
  return grid;
}

void TChartTerrain::SetPosition(const GeoPoint& position) {
  settings_.Latitude = position.lat;
  settings_.Longitude = position.lon;
}

void TChartTerrain::SetOperatingScale(bool inshore) {
  settings_.Inshore = inshore;
  if (source_) source_->HeightScale = HeightScale();
  SetContourInterval(settings_.ContourInterval);
  ApplyScaleZ();
}

void TChartTerrain::SetRasterFile(const std::string& file) {
  settings_.RasterFile = file;
  if (source_) source_->RasterFile = file;
}

void TChartTerrain::SetVerticalExaggeration(double value) {
  settings_.VerticalExaggeration = value;
  ApplyScaleZ();
}

void TChartTerrain::SetContourInterval(int displayInterval) {
  settings_.ContourInterval = displayInterval;
  scene_.TerrainRenderer1->settings().contourInterval = settings_.ContoursOn ? displayInterval * HeightScale() : 0;
}

int TChartTerrain::UseCellSizeAt(double latitude) {
  SetCellSize(CellSizeFor(settings_.MapResolution, settings_.Inshore, latitude));
  return cellSize_;
}

void TChartTerrain::SetCellSize(int cellSize) {
  cellSize_ = cellSize;
  if (source_) source_->CellSize = cellSize;
  ApplyScaleZ();
}

void TChartTerrain::ApplyScaleZ() {
  scene::TerrainRenderer& renderer = *scene_.TerrainRenderer1;
  glm::vec3 scale = renderer.scale();
  scale.z = static_cast<float>(TerrainScaleZ(settings_.VerticalExaggeration, cellSize_, HeightScale()));
  renderer.setScale(scale);
}

void TChartTerrain::SetLightAngle(int storedAngle, const glm::vec3& boat) {
  TLight light;
  SetLightDirection(light.SetLightAngle(storedAngle - 180, 0.0), boat);
}

void TChartTerrain::RebuildNormals() {
  if (!source_) return;
  source_->RebuildNormals();
  const TWindowBounds bounds = source_->Bounds();
  source_->ReadNormalMap([&](const std::uint32_t* pixels) { materials_.SetNormalMap(pixels, source_->GridSize(), bounds.Left, bounds.Bottom); });
}

void TChartTerrain::SetLightDirection(double theta, const glm::vec3& boat) {
  const glm::vec3 marker = scene_.LightVectorDummy->position();
  const TLightSetup setup = LightSetupFor(theta, {boat.x, boat.y, boat.z}, marker.y);
  scene_.LightVectorDummy->setPosition({static_cast<float>(setup.marker.x), marker.y, static_cast<float>(setup.marker.z)});
  materials_.SetLightVector(setup.shaderDiffuse);
  scene_.GLLightSource1->setPosition(
      {static_cast<float>(setup.source.x), static_cast<float>(setup.source.y), static_cast<float>(setup.source.z)});
}

bool TChartTerrain::ProcessHeightChange() {
  // A load that started since is waited for by the next frame, not here.
  if (!source_ || source_->State() != 2 || !heightChanged_.exchange(false)) return false;
  TPGSBitmapHDS& source = *source_;
  const TWindowBounds bounds = source.Bounds();
  source.ReadNormalMap([&](const std::uint32_t* pixels) { materials_.SetNormalMap(pixels, source.GridSize(), bounds.Left, bounds.Bottom); });
  if (OnPaletteRange) OnPaletteRange();
  else ApplyPaletteRange();
  ApplyTerrainTextures();
  scene_.TerrainRenderer1->structureChanged();
  altText_ = "Mode: Sea  Alt: Sealevel";
  scene_.TerrainRenderer1->settings().waterLevel = 0.0f;
  // The load's buffers are freed: give the memory back to the system.
  malloc_trim(0);
  return true;
}

void TChartTerrain::ApplyTerrainTextures() {
  TPGSBitmapHDS& source = *source_;
  // The land sample pictures are read once and kept.
  if (landSamples_.empty()) {
    for (const char* name : {"grass1A.jpg", "grass1B.jpg", "rock1C.jpg", "snow1D.jpg"}) {
      std::optional<TRgbImage> sample = LoadRgbImage(settings_.TextureFolder + "/" + name);
      if (!sample) {
        landSamples_.clear();
        if (OnError) OnError("Cannot read the land picture " + settings_.TextureFolder + "/" + name);
        return;
      }
      landSamples_.push_back(std::move(*sample));
    }
  }
  const TRgbImage* samples[4] = {&landSamples_[0], &landSamples_[1], &landSamples_[2], &landSamples_[3]};
  TLandColourPicker picker(samples, [this](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); });
  const int n = source.GridSize();
  const int water = static_cast<int>(scene_.TerrainRenderer1->settings().waterLevel);
  TRgbImage picture(n, n);
  const bool fullPath = settings_.TextureUnits >= 4;
  source.ReadGrid([&](const std::int16_t* grid) {
    BuildLandTexture(picture, grid, n, water, TLandPass::Land, picker, depthPalette_);
    // With four units the strip colours the water; with fewer the land texture carries the palette.
    if (!fullPath) BuildLandTexture(picture, grid, n, water, TLandPass::Water, picker, depthPalette_);
  });
  materials_.SetLandTexture(picture.pixels, n);
  const TWindowBounds bounds = source.Bounds();
  materials_.SetLandMapping(bounds.Left, bounds.Right, bounds.Bottom, n, scene_.TerrainRenderer1->settings().tileSize);
}

void TChartTerrain::ApplyPaletteRange() {
  const THeightRange range = source_->HeightRangeAround();
  TAutoRangeInput autoInput;
  autoInput.lowest = range.Min;
  autoInput.highest = range.Max;
  autoInput.inshore = settings_.Inshore;
  autoInput.heightScale = HeightScale();
  const TAutoRange automatic = AutoPaletteRange(autoInput);
  TPaletteRangeInput input;
  input.minimumText = automatic.minimumText;
  input.maximumText = automatic.maximumText;
  input.heightScale = HeightScale();
  input.smooth = true;
  input.contoursOn = settings_.ContoursOn;
  input.contourIntervalText = std::to_string(settings_.ContourInterval);
  const TPaletteRangeResult applied = velmara::ApplyPaletteRange(depthPalette_, input);
  if (applied.applied) materials_.SetDepthStrip(depthPalette_);
}

void TChartTerrain::SetDepthStrip() {
  if (depthPalette_.Strip.empty()) return;
  materials_.SetDepthStrip(depthPalette_);
  scene_.TerrainRenderer1->structureChanged();
}

}  // namespace velmara

#include "app/view/ChartTerrain.h"

#include "colour/LandTexture.h"
#include "colour/PaletteRange.h"
#include "colour/PictureFiles.h"
#include "colour/SeabedTexture.h"
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
  source.SetNormalScale(TerrainMaterialsFor(TexturingPathFor(settings.TextureUnits), TPaletteKind::pkDepth).normalScale);
  ApplyMaterials();
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

bool TChartTerrain::LoadPictures() {
  if (!landSamples_.empty()) return true;
  // The land sample pictures and the detail picture are read once and kept.
  std::vector<TRgbImage> pictures;
  for (const char* name : {"grass1A.jpg", "grass1B.jpg", "rock1C.jpg", "snow1D.jpg", "detailmap.jpg"}) {
    std::optional<TRgbImage> picture = LoadRgbImage(settings_.TextureFolder + "/" + name);
    if (!picture) {
      if (OnError) OnError("Cannot read the land picture " + settings_.TextureFolder + "/" + name);
      return false;
    }
    pictures.push_back(std::move(*picture));
  }
  materials_.SetDetailPicture(pictures.back());
  pictures.pop_back();
  landSamples_ = std::move(pictures);
  return true;
}

int TChartTerrain::WaterLevel() const { return static_cast<int>(scene_.TerrainRenderer1->settings().waterLevel); }

void TChartTerrain::ApplyTerrainTextures() {
  if (!source_) return;
  if (LoadPictures()) BuildLandTexture();
  const TWindowBounds bounds = source_->Bounds();
  materials_.SetSurfaceMapping(bounds.Left, bounds.Right, bounds.Bottom, source_->GridSize(), scene_.TerrainRenderer1->settings().tileSize);
  if (kind_ == TPaletteKind::pkDepth) ApplyMaterials();
  else BuildSeabedTexture();
}

void TChartTerrain::BuildLandTexture() {
  TPGSBitmapHDS& source = *source_;
  const TRgbImage* samples[4] = {&landSamples_[0], &landSamples_[1], &landSamples_[2], &landSamples_[3]};
  TLandColourPicker picker(samples, [this](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); });
  const int n = source.GridSize();
  const int water = WaterLevel();
  const bool fullPath = TexturingPathFor(settings_.TextureUnits) == TTexturingPath::Full;
  TRgbImage picture(n, n);
  source.ReadGrid([&](const std::int16_t* grid) {
    velmara::BuildLandTexture(picture, grid, n, water, TLandPass::Land, picker, depthPalette_);
    landPicture_ = picture;
    // With four units the strip colours the water; with fewer the land texture carries the palette.
    if (!fullPath) velmara::BuildLandTexture(picture, grid, n, water, TLandPass::Water, picker, depthPalette_);
  });
  materials_.SetSurfacePicture(TPaletteKind::pkDepth, picture);
}

void TChartTerrain::SetPaletteKind(TPaletteKind kind, const TDepthPalette* palette) {
  kind_ = kind;
  seabedPalette_ = kind == TPaletteKind::pkDepth ? nullptr : palette;
}

void TChartTerrain::BuildSeabedTexture() {
  if (!source_ || kind_ == TPaletteKind::pkDepth || !seabedPalette_) return;
  const int n = source_->GridSize();
  const int water = WaterLevel();
  const TSeabedQuantity quantity = kind_ == TPaletteKind::pkHardness ? TSeabedQuantity::Hardness : TSeabedQuantity::Roughness;
  // Over the land pass of the land texture; white land when there is none yet.
  TRgbImage picture = landPicture_.width == n ? landPicture_ : TRgbImage(n, n, TRgb{255, 255, 255});
  source_->ReadGrid([&](const std::int16_t* grid) {
    PaintSeabed(picture, grid, n, water, SeabedStandIn(quantity, grid, n, water), *seabedPalette_);
  });
  materials_.SetSurfacePicture(kind_, picture);
  ApplyMaterials();
}

void TChartTerrain::ApplyMaterials() {
  if (wireFrame_) return;
  const TTerrainMaterials materials = TerrainMaterialsFor(TexturingPathFor(settings_.TextureUnits), kind_);
  scene_.TerrainRenderer1->setMaterialName(materials.rendererMaterial);
  if (const std::string failure = materials_.Apply(materials); !failure.empty() && OnError) OnError(failure);
  scene_.TerrainRenderer1->structureChanged();
}

void TChartTerrain::SetWireFrame(bool on) {
  wireFrame_ = on;
  scene::MaterialLibrary& library = materials_.Library();
  for (const char* name : {"shader", "texture"})
    if (scene::Material* m = library.find(name)) m->polygonMode = on ? scene::PolygonMode::Lines : scene::PolygonMode::Fill;
  if (on) {
    materials_.Apply(WireFrameMaterials());
    scene_.TerrainRenderer1->structureChanged();
  } else {
    ApplyTerrainTextures();
  }
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
  // Without four units the land texture carries the palette's colours over the water.
  if (TexturingPathFor(settings_.TextureUnits) != TTexturingPath::Full && kind_ == TPaletteKind::pkDepth && !landSamples_.empty())
    ApplyTerrainTextures();
  scene_.TerrainRenderer1->structureChanged();
}

}  // namespace velmara

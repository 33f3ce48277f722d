#pragma once
// The main window's side of the terrain: the height-data source and the renderer's settings, the
// start-up load around the start position, and the hand-over when a load has finished (normal
// map, palette range and strip, status texts). The loading thread only sets flags here; the frame
// loop calls ProcessHeightChange on the main thread.

#include "app/base/Geodesy.h"
#include "app/scene/MainScene.h"
#include "colour/DepthPalette.h"
#include "colour/LandTexture.h"
#include "colour/TerrainSceneMaterials.h"
#include "terrain/DAZHeightData.h"

#include <atomic>
#include <functional>
#include <memory>
#include <random>
#include <vector>
#include <string>

namespace velmara {

struct TChartTerrainSettings {
  std::string RasterFile;
  std::string PaletteFile;
  double Latitude = -41.216666;
  double Longitude = 174.32416666;
  int MapResolution = 1;
  bool Inshore = true;
  int TextureUnits = 4;
  double VerticalExaggeration = 2.0;
  int ContourInterval = 100;  // display units of the contour list
  bool ContoursOn = true;
  std::string TextureFolder;  // the land sample pictures
};

class TChartTerrain {
public:
  TChartTerrain(TMainScene& scene, std::function<void()> pumpMessages);
  ~TChartTerrain();

  // Creates the source, configures the renderer and loads around the start position (waits).
  void StartUp(const TChartTerrainSettings& settings);
  // Runs the hand-over of a finished load when one is pending; true when it ran.
  bool ProcessHeightChange();

  TPGSBitmapHDS& Source() { return *source_; }
  bool HasSource() const { return source_ != nullptr; }
  TDepthPalette& DepthPalette() { return depthPalette_; }
  int CellSize() const { return cellSize_; }
  int HeightScale() const { return settings_.Inshore ? 10 : 1; }
  bool Inshore() const { return settings_.Inshore; }
  int MapResolution() const { return settings_.MapResolution; }
  // The current position of interest: the position last entered or gone to.
  GeoPoint Position() const { return {settings_.Latitude, settings_.Longitude}; }
  void SetPosition(const GeoPoint& position);
  // The operating scale: inshore keeps heights in decimetres, deep-sea in metres.
  void SetOperatingScale(bool inshore);
  void SetRasterFile(const std::string& file);
  void SetMapResolution(int index) { settings_.MapResolution = index; }
  void SetVerticalExaggeration(double value);
  void SetContourInterval(int displayInterval);
  // CellSize for the current map resolution at a latitude, handed to the source and the renderer.
  int UseCellSizeAt(double latitude);
  // Sets the source's cell size as it is given (the demonstration scenes).
  void SetCellSize(int cellSize);
  // The start position's grid point.
  TGridPoint StartPoint() const { return start_; }
  // The status text of the mode line (txtAlt).
  const std::string& AltText() const { return altText_; }
  std::function<void(const std::string&)> OnError;
  // Sets the palette range after each finished load once the palette tool bar is there; until
  // then the automatic range of the loaded heights is used.
  std::function<void()> OnPaletteRange;
  // Puts the depth palette's strip (and its height mapping) on the terrain.
  void SetDepthStrip();

  double Latitude() const { return settings_.Latitude; }
  double Longitude() const { return settings_.Longitude; }
  // Whether the tracer finished since the last call.
  bool TakeContoursReady() { return contoursChanged_.exchange(false); }
  // Moves the chart to a position: cell size for its latitude, the map origin there, and a load
  // around it (not waited for). Returns the position's grid point.
  TGridPoint MoveTo(double latitude, double longitude);

  // The same for a direction angle θ (degrees), the boat mesh at `boat` in the boat group.
  void SetLightDirection(double theta, const glm::vec3& boat);
  // The normal map made again (after a change of NormalScale) and uploaded.
  void RebuildNormals();
  TTerrainSceneMaterials& Materials() { return materials_; }

  // Rebuilds the land texture of the loaded window and puts the active palette kind's pictures
  // and materials on the terrain (the hardness or roughness picture is built again too).
  void ApplyTerrainTextures();
  // The palette kind the terrain shows; the hardness and roughness palettes are the caller's and
  // must outlive their use here. Takes effect with the next texture update.
  void SetPaletteKind(TPaletteKind kind, const TDepthPalette* palette);
  TPaletteKind PaletteKind() const { return kind_; }
  // The hardness or roughness picture from the loaded heights through the kind's palette, and
  // its materials. Nothing for the depth kind.
  void BuildSeabedTexture();
  // Wire frame: the mesh as lines without textures; off puts the textures back.
  void SetWireFrame(bool on);
  bool WireFrame() const { return wireFrame_; }

  // Frees the source (after detaching it from the renderer).
  void Shutdown();

private:
  void ApplyPaletteRange();
  // Reads the land sample pictures and the detail picture the first time; false when one is missing.
  bool LoadPictures();
  // The land texture of the loaded window (and its land pass, kept).
  void BuildLandTexture();
  // The materials of the texturing path and the active kind (none while in wire frame).
  void ApplyMaterials();
  int WaterLevel() const;
  void ApplyScaleZ();

  TMainScene& scene_;
  std::function<void()> pump_;
  TChartTerrainSettings settings_;
  std::unique_ptr<TPGSBitmapHDS> source_;
  TTerrainSceneMaterials materials_;
  TDepthPalette depthPalette_;
  std::vector<TRgbImage> landSamples_;
  // The land pass of the last land texture: the hardness and roughness pictures start from it.
  TRgbImage landPicture_;
  TPaletteKind kind_ = TPaletteKind::pkDepth;
  const TDepthPalette* seabedPalette_ = nullptr;
  bool wireFrame_ = false;
  std::mt19937 random_{20061124};
  std::atomic<bool> heightChanged_{false};
  std::atomic<bool> contoursChanged_{false};
  int cellSize_ = 40;
  TGridPoint start_;
  std::string altText_ = "Mode: Sea  Alt: Sealevel";
};

}  // namespace velmara

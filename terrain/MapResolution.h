#pragma once
// Map resolutions (how much ground the 1024-cell window covers), the cell size they give at a
// latitude, and the conversions between metres, cells and scene heights of the terrain.

#include <string>

namespace velmara {

constexpr int MapResolutionCount = 6;

// The list item of resolution index 0 ... 5 in inshore or deep-sea mode ("2 nm" ...).
std::string MapResolutionLabel(int index, bool inshore);
// The ground width in nautical miles the index stands for.
double MapResolutionWidthNm(int index, bool inshore);
// Mercator metres per cell: Round(width × 1852 / cos(latitude) / 1024).
int CellSizeFor(double widthNm, double latitude);
int CellSizeFor(int index, bool inshore, double latitude);

// The terrain's vertical scale: exaggeration × 128 / CellSize / HeightScale (exaggeration 0 is 0.5).
double TerrainScaleZ(double verticalExaggeration, int cellSize, int heightScale);

struct TTerrainScale {
  int HeightScale = 1;  // 10 inshore (decimetres), 1 deep-sea (metres)
  int CellSize = 40;
  double ScaleZ = 3.2;

  double MetresToSceneHeight(double metres) const { return HeightScale * metres / 128.0 * ScaleZ; }
  double SceneHeightToMetres(double scene) const { return scene / ScaleZ * 128.0 / HeightScale; }
  double MetresToCells(double metres) const { return metres / CellSize; }
  // A stored height value in metres.
  double StoredToMetres(double stored) const { return stored / HeightScale; }
};

}  // namespace velmara

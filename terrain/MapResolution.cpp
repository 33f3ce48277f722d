#include "terrain/MapResolution.h"

#include <algorithm>
#include <cmath>

#include "app/base/NumberFormat.h"

namespace velmara {
namespace {

constexpr double Pi = 3.14159265358979323846;

// Nominal cell sizes (metres) the list labels are made from, and the widths actually used.
constexpr int NominalCellInshore[MapResolutionCount] = {2, 3, 9, 18, 36, 180};
constexpr int NominalCellDeepSea[MapResolutionCount] = {9, 18, 36, 54, 108, 180};
constexpr double WidthInshore[MapResolutionCount] = {1, 2, 5, 10, 20, 100};
constexpr double WidthDeepSea[MapResolutionCount] = {5, 10, 20, 30, 60, 100};

int ClampIndex(int index) { return std::clamp(index, 0, MapResolutionCount - 1); }

}  // namespace

std::string MapResolutionLabel(int index, bool inshore) {
  const int cell = (inshore ? NominalCellInshore : NominalCellDeepSea)[ClampIndex(index)];
  return std::to_string(Round(cell * 1024 * 0.5399568034557235 / 1000)) + " nm";
}

double MapResolutionWidthNm(int index, bool inshore) {
  return (inshore ? WidthInshore : WidthDeepSea)[ClampIndex(index)];
}

int CellSizeFor(double widthNm, double latitude) {
  return static_cast<int>(Round(widthNm * 1852.0 / std::cos(latitude * Pi / 180.0) / 1024.0));
}

int CellSizeFor(int index, bool inshore, double latitude) {
  return CellSizeFor(MapResolutionWidthNm(index, inshore), latitude);
}

double TerrainScaleZ(double verticalExaggeration, int cellSize, int heightScale) {
  const double exaggeration = verticalExaggeration == 0 ? 0.5 : verticalExaggeration;
  return exaggeration * 128.0 / cellSize / heightScale;
}

}  // namespace velmara

#include "net/NetModel.h"

#include <algorithm>
#include <cmath>

namespace velmara {
namespace {

struct NetModelFile {
  const char* file;
  double modelLength;
  double openingDivisor;
};

constexpr NetModelFile Files[] = {
    {"net.3ds", 90, 15},
    {"Bottomnet.3ds", 60, 6},
    {"doublenet.3ds", 80, 10},
};

glm::vec3 At(double x, double y, double z) {
  return glm::vec3(static_cast<float>(x), static_cast<float>(y), static_cast<float>(z));
}

}  // namespace

int NetModelLength(int netLength) { return netLength == 0 ? 80 : std::max(20, netLength); }

std::optional<TNetModelPlacement> NetModelPlacement(int netType, int netLength, int opening, double cellSize,
                                                    double b, bool netVisible) {
  if (netType < 0 || netType > 2) return std::nullopt;
  const NetModelFile& model = Files[netType];
  TNetModelPlacement placement;
  placement.file = model.file;
  placement.modelLength = model.modelLength;
  placement.openingDivisor = model.openingDivisor;
  placement.length = NetModelLength(netLength);

  const double sx = placement.length / (cellSize * model.modelLength) * b;
  const double sy = (opening / model.openingDivisor) * (1.0 / cellSize) * b;
  placement.scale = At(sx, sy, sx);

  switch (static_cast<TNetType>(netType)) {
    case TNetType::Midwater: {
      const double z = -sx * 90 / 4;
      placement.position = At(0, 0, z);
      placement.upperStarboard = At(-10 * sx, 11.25 * sy, -z);
      placement.upperPort = At(10 * sx, 11.25 * sy, -z);
      placement.lowerStarboard = At(-10 * sx, -8.75 * sy, -z);
      placement.lowerPort = At(10 * sx, -8.75 * sy, -z);
      placement.lowerCablesVisible = netVisible;
      break;
    }
    case TNetType::Bottom: {
      const double z = -5 * sx;
      placement.position = At(0, 0, z);
      placement.upperStarboard = At(-9 * sx, 0, z + 40 * sx);
      placement.upperPort = At(9 * sx, 0, z + 40 * sx);
      break;
    }
    case TNetType::TwinRig: {
      const double z = -5 * sx;
      placement.position = At(0, 0, z);
      placement.upperStarboard = At(-55 * sx, -5 * sx, z - (100.0 / 7.0) * sx);
      placement.upperPort = At(55 * sx, -5 * sx, z - (100.0 / 7.0) * sx);
      break;
    }
  }
  return placement;
}

std::optional<TNetVisibility> NetVisibility(bool visible, bool netVisible, int appliedNetType, bool displayDepth) {
  if (visible == netVisible) return std::nullopt;
  TNetVisibility shown;
  shown.net = visible;
  shown.lowerCables = visible && appliedNetType == static_cast<int>(TNetType::Midwater);
  shown.netDepthText = visible && displayDepth;
  return shown;
}

TDoorPlacement PlaceDoors(double sweep, float spread, double cellSize, double f, double b, bool twinRig) {
  TDoorPlacement doors;
  const double spreadB = static_cast<double>(spread) * b;
  sweep *= b;
  const double half = spreadB * (twinRig ? 0.25 : 0.5);
  double m = sweep * sweep - half * half;
  // Compared in whole metres: a sweep that is not longer than the half spread cannot reach the
  // door, so the door is put where a sweep of twice the half spread would hold it.
  const double sweepMetres = std::trunc(cellSize * sweep);
  const double halfMetres = std::trunc(cellSize * half);
  if (sweepMetres * sweepMetres - halfMetres * halfMetres <= 0) {
    sweep = 2 * half;
    const double shown = std::nearbyint(cellSize * sweep);
    if (std::isfinite(shown) && std::fabs(shown) < 9.0e18) doors.correctedSweepMetres = static_cast<long long>(shown);
    m = sweep * sweep - half * half;
  }
  const double along = std::sqrt(std::max(m, 0.0)) / f;
  const double lateral = half / f;
  doors.halfSpread = half;
  doors.sweep = sweep;
  doors.portX = static_cast<float>(lateral);
  doors.portZ = static_cast<float>(along);
  doors.starboardX = static_cast<float>(-lateral);
  doors.starboardZ = static_cast<float>(along);
  return doors;
}

TCableEnds AttachCables(const glm::vec3& starboardDoor, const glm::vec3& portDoor) {
  return {starboardDoor, starboardDoor, portDoor, portDoor};
}

}  // namespace velmara

#include "tools/sample-rasters/Scenes.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "tools/sample-rasters/SeaBed.h"

namespace velmara::samples {
namespace {

constexpr int N = 1024;

const SceneBed Scenes[4] = {
    {"myIS2nmRaster.dat", true, 5},
    {"myIS5nmRaster.dat", true, 48},
    {"myDS10nmRaster.dat", false, 12},
    {"myDS20nmRaster.dat", false, 48},
};

// Blends sea-floor depth into land height across the shore line: d < 0 at sea, d > 0 ashore
// (distances in cells).
double Shore(double d, double landHeight, double seaDepth, double shoreWidth) {
  if (d > 0) return landHeight * std::tanh(d / shoreWidth);
  return -seaDepth * (1 - std::exp(d / (2.5 * shoreWidth)));
}

// Scene 1: a sound 5 km across at 5 m a cell. A rocky shore to the north-west rising to some tens
// of metres, a dredged-looking channel of 40 m winding south-west to north-east, two sand banks
// and a scatter of reefs, some breaking the surface. Metres.
double InshoreSound(double x, double y) {
  const double coast = 800 + 70 * std::sin(x / 160.0) + 40 * FractalNoise(x, 0, 120, 3, 0.5, 11) - 0.35 * x;
  const double d = y - coast + 25 * FractalNoise(x, y, 90, 3, 0.5, 12);
  double z = Shore(d, 18 + 10 * RidgedNoise(x, y, 140, 4, 13), 22, 35);
  const double sea = 1 - std::clamp(d / 30 + 1, 0.0, 1.0);  // 1 well off the shore, 0 ashore
  // The channel.
  const double axis = 230 + 0.62 * y + 45 * std::sin(y / 110.0);
  z -= sea * 20 * Bell(x - axis, 60);
  // Sand banks, smooth and wide.
  z += sea * 12 * Bell(std::hypot(x - 700, y - 300), 130) + sea * 9 * Bell(std::hypot(x - 180, y - 520), 90);
  // Reefs.
  for (uint32_t k = 0; k < 14; ++k) {
    const double rx = 60 + 900 * Draw(21, k), ry = 40 + 680 * Draw(22, k);
    const double height = 10 + 14 * Draw(23, k), radius = 7 + 12 * Draw(24, k);
    z += sea * height * Bell(std::hypot(x - rx, y - ry), radius) * (0.8 + 0.4 * RidgedNoise(x, y, 6, 2, 25 + k));
  }
  // Ripples and rough bottom.
  z += 1.2 * FractalNoise(x, y, 40, 5, 0.55, 26) + 0.25 * std::sin((x + 0.6 * y) / 5.0) * sea;
  return z;
}

// Scene 2: 49 km of coast at 48 m a cell: a mainland to the east cut by a fjord, skerries and
// islands, a shelf of 60 - 120 m with basins, and the fjord's deep trough. Metres.
double InshoreArchipelago(double x, double y) {
  const double coast = 720 + 90 * std::sin(y / 200.0) + 60 * FractalNoise(0, y, 150, 4, 0.5, 31);
  double d = x - coast + 50 * FractalNoise(x, y, 80, 4, 0.55, 32);
  // The fjord cuts the mainland from the coast eastwards.
  const double fjordAxis = 480 + 60 * std::sin(x / 90.0);
  const double fjord = Bell(y - fjordAxis, 28) * std::clamp((x - coast + 40) / 60, 0.0, 1.0);
  d -= 160 * fjord;
  double z = Shore(d, 90 + 120 * RidgedNoise(x, y, 160, 5, 33), 95, 22);
  // The fjord's trough deepens inland to some 260 m behind its sill.
  const double trough = -(80 + 180 * std::clamp((x - coast + 40) / 160, 0.0, 1.0));
  z = z * (1 - fjord) + trough * fjord;
  // Islands and skerries off the coast.
  for (uint32_t k = 0; k < 24; ++k) {
    const double ix = 300 + 420 * Draw(41, k), iy = 40 + 940 * Draw(42, k);
    const double radius = 8 + (k < 6 ? 30 : 10) * Draw(43, k);
    const double island = Bell(std::hypot(x - ix, y - iy), radius);
    // An island only ever raises the bed: far from it its shape sinks well below any shelf.
    z = std::max(z, island * (15 + 60 * RidgedNoise(x, y, 20, 3, 44 + k)) - (1 - island) * 400);
  }
  // Basins and ridges on the shelf.
  z += 25 * FractalNoise(x, y, 200, 5, 0.5, 45) * std::clamp(-d / 100, 0.0, 1.0);
  z += 2 * FractalNoise(x, y, 15, 3, 0.5, 46);
  return z;
}

// Scene 3: 12 km at 12 m a cell over a shelf edge: the shelf at about 170 m to the south-east,
// the break, a slope down to 1000 m, and a canyon head biting into the shelf. Metres.
double ShelfBreak(double x, double y) {
  const double s = (x - y) / std::sqrt(2.0);  // across the slope, deeper to the north-west
  const double breakLine = -60 + 45 * FractalNoise(x + y, 0, 180, 3, 0.5, 51);
  const double t = (breakLine - s) / 180;  // 0 at the break, positive down the slope
  double z = -170 - 15 * FractalNoise(x, y, 260, 3, 0.5, 52);
  if (t > 0) z -= 830 * std::tanh(t * 1.1) + 90 * t * t * 0.1;
  // The canyon: along the slope's fall line, cutting back into the shelf.
  const double along = (x + y) / std::sqrt(2.0);
  const double axis = 720 + 50 * std::sin(s / 130.0);
  const double head = std::clamp((breakLine + 220 - s) / 260, 0.0, 1.0);
  z -= 480 * head * Bell(along - axis, 45 + 20 * std::clamp(t, 0.0, 2.0));
  // Gullies on the slope, rough ground on the shelf.
  z -= 40 * std::clamp(t, 0.0, 1.0) * RidgedNoise(along * 1.0, s * 0.25, 35, 3, 53);
  z += 6 * FractalNoise(x, y, 30, 4, 0.5, 54);
  return z;
}

// Scene 4: 49 km at 48 m a cell: a headland and its shelf to the south, the continental slope, a
// canyon system down to some 3 km, and the foot of the slope. Metres.
double ContinentalSlope(double x, double y) {
  const double coast = 120 + 40 * std::sin(x / 150.0) + 50 * FractalNoise(x, 0, 200, 4, 0.5, 61) +
                       90 * Bell(x - 600, 90);  // the headland
  const double fromCoast = coast - y;            // > 0 ashore
  double z = Shore(fromCoast, 160 + 260 * RidgedNoise(x, y, 120, 5, 62), 140, 25);
  const double shelfEdge = 420 + 60 * FractalNoise(x, 0, 220, 4, 0.5, 63);
  const double t = (y - shelfEdge) / 220;
  if (t > 0) z -= 2500 * std::tanh(t * 0.9);
  // Canyons running north down the slope, the main one past 3000 m.
  for (uint32_t k = 0; k < 4; ++k) {
    const double axis = 150 + 250 * k + 80 * Draw(64, k) + 40 * std::sin(y / (70.0 + 20 * k));
    const double depth = k == 2 ? 950 : 380 + 250 * Draw(65, k);
    z -= depth * Bell(x - axis, 30 + 0.05 * std::max(0.0, y - shelfEdge)) * std::clamp((y - shelfEdge + 120) / 260, 0.0, 1.0);
  }
  z += 35 * FractalNoise(x, y, 100, 5, 0.5, 66) * std::clamp(t + 0.5, 0.2, 1.0);
  z += 4 * FractalNoise(x, y, 12, 3, 0.5, 67);
  return z;
}

const std::function<double(double, double)> Beds[4] = {InshoreSound, InshoreArchipelago, ShelfBreak, ContinentalSlope};

}  // namespace

const SceneBed& SceneInfo(int scene) { return Scenes[std::clamp(scene, 0, 3)]; }

std::vector<int16_t> MakeSceneBed(int scene) {
  const SceneBed& info = SceneInfo(scene);
  const double unitsPerMetre = info.inshore ? 10 : 1;
  std::vector<int16_t> grid(std::size_t(N) * N);
  for (int x = 0; x < N; ++x)
    for (int y = 0; y < N; ++y) {
      const double metres = Beds[std::clamp(scene, 0, 3)](x, y);
      grid[std::size_t(x) * N + y] = static_cast<int16_t>(std::clamp(std::lround(metres * unitsPerMetre), -32767L, 32767L));
    }
  return grid;
}

}  // namespace velmara::samples

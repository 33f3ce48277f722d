#pragma once
// The four demonstration sea beds, one per sample raster, as 1024 × 1024 grids (grid[x * 1024 + y],
// x east, y north) in their scene's height unit: decimetres inshore, metres deep-sea.

#include <cstdint>
#include <string>
#include <vector>

namespace velmara::samples {

struct SceneBed {
  const char* file;
  bool inshore;       // heights in decimetres (else metres)
  double cellMetres;  // ground width of a cell the bed was shaped for
};

const SceneBed& SceneInfo(int scene);  // 0 ... 3
std::vector<int16_t> MakeSceneBed(int scene);

}  // namespace velmara::samples

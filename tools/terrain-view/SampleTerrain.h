#pragma once
// One of the four demonstration sea beds loaded through the program's height source and drawn by
// the terrain renderer with the relief-shaded, depth-coloured look of the chart: the normal map
// lit by a light vector (Dot3), lifted by the day contrast, times the palette strip by height.
// Shared by the terrain viewer tool and the terrain benchmark.

#include "colour/DepthPalette.h"
#include "scene/camera/Camera.h"
#include "scene/graph/Scene.h"
#include "scene/material/MaterialLibrary.h"
#include "scene/terrain/TerrainRenderer.h"
#include "terrain/DAZHeightData.h"

#include <filesystem>
#include <memory>
#include <string>

namespace velmara::samples {

struct SampleScene {
  const char* name;
  const char* file;
  double lat, lon;
  int cellSize;     // metres per cell
  int heightScale;  // 10 inshore, 1 deep-sea
  int contourInterval;
};

// The four demonstration scenes, 0 … 3.
const SampleScene& sampleScene(int index);

class SampleTerrain {
public:
  // Loads the scene's raster from `dataFolder` (waits for the load). Throws on failure.
  SampleTerrain(const SampleScene& scene, const std::filesystem::path& dataFolder);

  scene::Scene& scene() { return scene_; }
  scene::TerrainRenderer& terrain() { return *terrain_; }
  TPGSBitmapHDS& source() { return source_; }
  // Above the start point: 70 up and 30 back, as the chart's sky camera.
  scene::Camera& skyCamera() { return *sky_; }
  // 3 up and 3 back of the start point, as the follow-boat camera.
  scene::Camera& lowCamera() { return *low_; }
  // High over the window, seeing most of it; and low over the bed, looking out to its edge.
  scene::Camera& overviewCamera() { return *overview_; }
  scene::Camera& horizonCamera() { return *horizon_; }
  // The point the cameras look at.
  scene::SceneObject& anchor() { return *anchor_; }

  // Contours on or off (the scene's interval × height scale).
  void showContours(bool on);

private:
  void buildMaterials(const std::filesystem::path& dataFolder);

  const SampleScene& info_;
  TPGSBitmapHDS source_;
  scene::Scene scene_;
  scene::MaterialLibrary library_;
  scene::TerrainRenderer* terrain_ = nullptr;
  scene::SceneObject* anchor_ = nullptr;
  scene::Camera* sky_ = nullptr;
  scene::Camera* low_ = nullptr;
  scene::Camera* overview_ = nullptr;
  scene::Camera* horizon_ = nullptr;
};

}  // namespace velmara::samples

#pragma once
// The demo's chart: every object kind of the scene layer in a small sea-bed scene — sky, lit
// terrain through the texture combiner, the boat and the trawl with doors and warps, marks with
// plumb lines, a pipe line, a track, a search area, a buoy, the bearing tool and heads-up texts.

#include "scene/camera/Camera.h"
#include "scene/graph/Scene.h"
#include "scene/material/MaterialLibrary.h"
#include "scene/text/BitmapFont.h"

#include <filesystem>
#include <memory>

namespace velmara::demo {

class DemoScene {
public:
  // Models are written to and loaded from `workFolder`.
  explicit DemoScene(const std::filesystem::path& workFolder);

  scene::Scene& scene() { return scene_; }
  scene::Camera& camera() { return *camera_; }
  // Places the heads-up texts that follow scene points, for a view of this size.
  void layOut(int width, int height);

private:
  void addSky();
  void addBoat(const std::filesystem::path& folder);
  void addNet(const std::filesystem::path& folder);
  void addMarks();
  void addLines();
  void addHeadsUp();
  scene::SceneObject& addPlumbLine(scene::SceneObject& mark, float length);

  scene::Scene scene_;
  scene::MaterialLibrary terrainMaterials_;
  scene::MaterialLibrary boatMaterials_;
  scene::MaterialLibrary netMaterials_;
  std::shared_ptr<const scene::BitmapFont> font_;
  std::shared_ptr<const scene::BitmapFont> titleFont_;
  scene::Camera* camera_ = nullptr;
};

}  // namespace velmara::demo

#pragma once
// The chart's scene, built in one place: every named object the chart works with, with its start
// values — the boat and net groups, the cameras and their anchors, sky, light, sea surface, mark
// and line groups, bearing tool, search area, track lines, heads-up texts and the terrain.
// Qt-free; the main window owns one.

#include "app/scene/CameraTables.h"
#include "controls/hud/GLKVTMenu.h"
#include "scene/camera/Camera.h"
#include "scene/graph/Scene.h"
#include "scene/hud/HudText.h"
#include "scene/material/MaterialLibrary.h"
#include "scene/objects/ArrowLine.h"
#include "scene/objects/Cube.h"
#include "scene/objects/Disk.h"
#include "scene/objects/Dummy.h"
#include "scene/objects/FreeForm.h"
#include "scene/objects/Frustum.h"
#include "scene/objects/LightSource.h"
#include "scene/objects/Line.h"
#include "scene/objects/Plane.h"
#include "scene/objects/Polygon.h"
#include "scene/objects/SkyDome.h"
#include "scene/objects/Sphere.h"
#include "scene/objects/Sprite.h"
#include "scene/terrain/TerrainRenderer.h"
#include "scene/text/BitmapFont.h"

#include <array>
#include <functional>
#include <string>
#include <memory>

namespace velmara {

class TMainScene {
public:
  // The program's pictures by name ("Sprite1", "RWNCursor" …); null when missing.
  using PictureSource = std::function<std::shared_ptr<const scene::Image>(const std::string& name)>;
  explicit TMainScene(const PictureSource& pictures);

  scene::Scene Scene;
  scene::MaterialLibrary GLMaterialLibrary1;  // terrain, sprites, cursors
  scene::MaterialLibrary MLBoats;             // the boat model's materials
  scene::MaterialLibrary NetMaterials;        // the net model's

  scene::SkyDome* SkyDome = nullptr;
  scene::Dummy* LightVectorDummy = nullptr;
  scene::TerrainRenderer* TerrainRenderer1 = nullptr;
  scene::Plane* SeaPlane = nullptr;

  scene::Dummy* BoatCube = nullptr;
  scene::FreeForm* BoatForm = nullptr;
  scene::Line* BoatDropLine = nullptr;
  scene::ArrowLine* GLHeadingVector = nullptr;
  scene::Disk* GLDisk1 = nullptr;
  scene::Disk* GLDisk2 = nullptr;
  scene::LightSource* GLLightSource1 = nullptr;
  scene::Dummy* DCUnderBoat = nullptr;
  scene::Sphere* GLSphereFB = nullptr;
  scene::Sphere* GLSphereUB = nullptr;

  scene::Dummy* NetCube = nullptr;
  scene::FreeForm* Netform = nullptr;
  scene::Line* NetDropLine = nullptr;
  scene::Plane* Port_door = nullptr;
  scene::Plane* StarBoard_Door = nullptr;
  scene::Line* StarboardCable = nullptr;
  scene::Line* PortCable = nullptr;
  scene::Line* StarboardCableLower = nullptr;
  scene::Line* PortCableLower = nullptr;
  scene::Dummy* DummyCube2 = nullptr;
  scene::Sphere* GLITINet = nullptr;

  scene::Dummy* SkyCube = nullptr;
  scene::Dummy* FishCameraCube = nullptr;
  scene::Dummy* DCRoam = nullptr;
  scene::Camera* FishingCamera = nullptr;
  scene::Camera* SkyCamera = nullptr;
  scene::Camera* FromBoatCamera = nullptr;
  scene::Camera* UnderBoatCamera = nullptr;
  scene::Camera* BehindCamera = nullptr;
  scene::Camera* NetCamera = nullptr;
  scene::Camera* AtBottomCamera = nullptr;
  scene::Camera* GLCameraRoam = nullptr;

  scene::Dummy* MarksCube = nullptr;
  scene::Dummy* LinesCube = nullptr;
  scene::Sprite* Sprite1 = nullptr;
  scene::Sprite* SpriteDanger = nullptr;
  scene::Dummy* MarkDummy = nullptr;
  scene::Sprite* SpriteCursor = nullptr;

  scene::Dummy* BearingCube = nullptr;
  scene::HudText* BearingText = nullptr;
  scene::Line* BearingLine = nullptr;
  scene::ArrowLine* BearingArrow = nullptr;
  scene::Polygon* GLSearchArea = nullptr;

  scene::Line* BoatTrackLine = nullptr;
  scene::Line* NetTrackLine = nullptr;
  scene::Frustum* BoatTrackStart = nullptr;
  scene::Frustum* NetTrackStart = nullptr;

  scene::HudText* hudInfo = nullptr;
  scene::HudText* hudBoatDepth = nullptr;
  scene::HudText* hudNetDepth = nullptr;
  scene::HudText* HudWire = nullptr;
  scene::HudText* InfoText = nullptr;
  TGLKVTMenu* hudDisplayInfo = nullptr;

  // The seven selectable cameras by selector number 1 … 7.
  std::array<scene::Camera*, 7> Cameras() const;
  // Depth of view of every camera (the roam camera too) for a camera resolution (1 … 3), and the
  // terrain renderer's view range for it.
  void ApplyCameraResolution(int camRes);
  int CamRes() const { return camRes_; }
  // The selectable cameras' start values, registered at the end of the scene set-up.
  TCameraDefaults CameraDefaults;

  std::shared_ptr<const scene::BitmapFont> Font;
  std::shared_ptr<const scene::BitmapFont> SmallFont;

private:
  int camRes_ = 2;
  void BuildSkyAndLight();
  void BuildBoat();
  void BuildNet();
  void BuildCameras();
  void BuildMarksAndTools(const PictureSource& pictures);
  void BuildHeadsUp();
};

}  // namespace velmara

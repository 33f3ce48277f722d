#include "app/view/FrameLoop.h"

#include "app/view/FrameLoopLogic.h"
#include "app/view/SceneView.h"
#include "link/ShipDataX.h"
#include "platform/MessagePort.h"
#include "terrain/ProgressState.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <thread>

namespace velmara {
namespace {

constexpr double kTick = 0.5;
// The sky camera's depth of view in the camera table.
constexpr float kSkyTableDepth = 4000.0f;

std::string Minutes(double minutes) {
  char text[16];
  std::snprintf(text, sizeof text, "%.2f", minutes);
  return text;
}

}  // namespace

TFrameLoop::TFrameLoop(TMainScene& scene, TSceneView& view, const TMainControls& controls, TChartTerrain& terrain, TGraphicsTest& test,
                       bool inshore)
    : scene_(scene), view_(view), controls_(controls), terrain_(terrain), test_(test), inshore_(inshore),
      shipData_(std::make_unique<TShipData>()) {
  shipData_->HeightScale = inshore ? 10 : 1;
}

TFrameLoop::~TFrameLoop() = default;

bool TFrameLoop::SkyCurrent() const { return view_.Viewer().camera() == scene_.SkyCamera; }

void TFrameLoop::Progress(double deltaTime) {
  if (Paused || terrain_.Source().State() != 2) return;
  accumulator_ += deltaTime;
  const bool frameTick = accumulator_ > kTick;

  if (terrain_.ProcessHeightChange()) {
    auto* follow = controls_.Get<QCheckBox>("chkFollow");
    if (followAtLastClick_) {
      if (Hooks.LegendChanged) Hooks.LegendChanged();
    } else if (follow && follow->isChecked()) {
      scene_.SkyCube->setPosition(scene_.BoatCube->position());
    }
  }
  if (frameTick && Hooks.PlotterCursor) Hooks.PlotterCursor();
  if (terrain_.TakeContoursReady() && Hooks.ContoursReady) Hooks.ContoursReady();
  // The progress window goes once frames are being drawn.
  platform::PostMessage("TProgressFrm", {ProgressWindowMessage, 0, 0});

  bool update = newPosition_;
  bool moved = false;
  if (test_.Running()) scene_.SkyCamera->moveAroundTarget(0.0f, TGraphicsTest::OrbitDegreesPerFrame);
  if (QApplication::activeWindow() && view_.hasFocus()) Keys(deltaTime, update, moved);
  if (newPosition_) {
    if (!view_.window()->isMinimized()) view_.setFocus();
    SetBoatOnTerrain();
  }
  if (frameTick && Hooks.BearingUpdate) Hooks.BearingUpdate();
  // The pass needs the loaded heights; while a load runs it waits for a later frame.
  if ((update || recentre_) && terrain_.Source().State() == 2) {
    recentre_ = false;
    UpdatePass(moved);
  }
  Headings();
  if (frameTick) {
    glm::vec3 anchor = scene_.SkyCube->position();
    anchor.y = scene_.BoatCube->position().y;
    scene_.SkyCube->setPosition(anchor);
    accumulator_ = 0.0;
  }
  newPosition_ = false;
}

void TFrameLoop::Keys(double deltaTime, bool& update, bool& moved) {
  const bool sky = SkyCurrent();
  const TMoveSpeed speed = MoveSpeed(deltaTime, view_.KeyDown(Qt::Key_Shift), sky);
  scene::Camera* camera = view_.Viewer().camera();
  if (!camera) return;
  if (view_.KeyDown(Qt::Key_Z) || view_.KeyDown(Qt::Key_X)) {
    const TZoom now{camera->sceneScale(), camera->focalLength()};
    const TZoom zoom = view_.KeyDown(Qt::Key_Z) ? ZoomIn(now) : ZoomOut(now);
    camera->setSceneScale(zoom.sceneScale);
    camera->setFocalLength(zoom.focalLength);
    moved = boatScalePending_ = true;
  }
  const bool pageUp = view_.KeyDown(Qt::Key_PageUp), pageDown = view_.KeyDown(Qt::Key_PageDown);
  if (pageUp || pageDown) {
    if (sky) {
      const float distance = camera->distanceToTarget();
      const TSkyDistanceChange change = pageUp ? SkyPageUp(distance, camera->depthOfView(), kSkyTableDepth)
                                               : SkyPageDown(distance, camera->depthOfView(), kSkyTableDepth);
      if (change.depthOfView) camera->setDepthOfView(*change.depthOfView);
      if (change.factor) camera->adjustDistanceToTarget(*change.factor);
    } else {
      heightOffset_ = pageUp ? HeightOffsetPageUp(heightOffset_) : HeightOffsetPageDown(heightOffset_);
      update = true;
    }
    moved = boatScalePending_ = true;
  }
  const std::pair<int, TArrow> arrows[] = {
      {Qt::Key_Up, TArrow::Up}, {Qt::Key_Down, TArrow::Down}, {Qt::Key_Left, TArrow::Left}, {Qt::Key_Right, TArrow::Right}};
  for (const auto& [key, arrow] : arrows) {
    if (!view_.KeyDown(key)) continue;
    if (sky) {
      const glm::vec3 c = scene_.SkyCamera->position();
      scene_.SkyCube->setPosition(scene_.SkyCube->position() + SkyAnchorMove(arrow, {c.x, c.z}, speed.k));
    } else {
      const glm::vec3 d = scene_.BoatCube->direction();
      scene_.BoatCube->setPosition(scene_.BoatCube->position() + BoatMove(arrow, {d.x, d.z}, speed.k));
      SetBoatOnTerrain();
    }
    update = moved = true;
  }
  const bool f11 = view_.KeyDown(Qt::Key_F11), f12 = view_.KeyDown(Qt::Key_F12);
  if (f11 || f12) {
    if (sky) {
      update = true;
    } else {
      boatHeading_ = std::fmod(boatHeading_ + (f11 ? -2.0 : 2.0) + 360.0, 360.0);
      const SceneDirection d = DirectionFromHeading(boatHeading_);
      scene_.BoatCube->setDirection({static_cast<float>(d.x), 0.0f, static_cast<float>(d.z)});
      scene_.NetCube->setDirection({static_cast<float>(d.x), 0.0f, static_cast<float>(d.z)});
      moved = true;
    }
  }
}

void TFrameLoop::SetBoatOnTerrain() {
  // The boat floats: at the sea surface, or on the ground where that is higher.
  glm::vec3 boat = scene_.BoatCube->position();
  const float ground = scene_.TerrainRenderer1->sceneHeightAt(boat).value_or(0.0f);
  boat.y = std::max(0.0f, ground);
  scene_.BoatCube->setPosition(boat);
}

double TFrameLoop::ModelDepth(const glm::vec3& scenePoint) const {
  const glm::vec3 grid = scene_.TerrainRenderer1->sceneToGrid(scenePoint);
  const double height = terrain_.Source().InterpolatedHeight(grid.x, grid.y) / static_cast<double>(terrain_.HeightScale());
  return -height;
}

void TFrameLoop::SetHud(const char* title, const std::string& value) {
  TGLKVTMenu& menu = *scene_.hudDisplayInfo;
  if (menu.SetItem(title, value)) menu.Lines()[static_cast<std::size_t>(menu.IndexOfTitle(title))].Visible = true;
}

void TFrameLoop::UpdatePass(bool moved) {
  if (Hooks.NetUpdate) Hooks.NetUpdate();
  const glm::vec3 boat = scene_.BoatCube->position();
  const double depth = ModelDepth(boat);
  // The marker rings lie on the bed under the boat.
  const float bed = scene_.TerrainRenderer1->sceneHeightAt(boat).value_or(0.0f) + (depth >= 10.0 ? 2.0f : 0.1f);
  for (scene::Disk* disk : {scene_.GLDisk1, scene_.GLDisk2}) disk->setPosition({0.0f, bed - boat.y, 0.0f});
  SetHud("Model Depth", ModelDepthLine(depth, DepthUnit));
  const std::string boatDepth = BoatDepthText(depth, DepthUnit, inshore_);
  if (auto* label = controls_.Get<QLabel>("txtDepth")) label->setText(QString::fromStdString(boatDepth));
  scene_.hudBoatDepth->setText(boatDepth);

  auto* follow = controls_.Get<QCheckBox>("chkFollow");
  if (!(follow && follow->isChecked()) || newPosition_ || moved) {
    const glm::vec3 grid = scene_.TerrainRenderer1->sceneToGrid(boat);
    const TLatLon position = terrain_.Source().GridToLatLon(grid.x, grid.y);
    if (position.lat != 0.0 && position.lon != 0.0) {
      latitude_ = position.lat;
      longitude_ = position.lon;
      const DegreesMinutes lat = SplitForEntry(latitude_), lon = SplitForEntry(longitude_);
      auto set = [&](const char* name, const std::string& text) {
        if (auto* edit = controls_.Get<QLineEdit>(name)) edit->setText(QString::fromStdString(text));
      };
      set("Lat_1", std::to_string(lat.degrees));
      set("Lat_2", Minutes(lat.minutes));
      set("Long_1", std::to_string(lon.degrees));
      set("Long_2", Minutes(lon.minutes));
      if (auto* ns = controls_.Get<QComboBox>("cbxN")) ns->setCurrentText(latitude_ >= 0 ? "N" : "S");
      if (auto* ew = controls_.Get<QComboBox>("cbxE")) ew->setCurrentText(longitude_ >= 0 ? "E" : "W");
      SetHud("Latitude", PositionText(latitude_, true, PositionStyle::MinuteMarked));
      SetHud("Longitude", PositionText(longitude_, false, PositionStyle::MinuteMarked));
    }
  }
}

void TFrameLoop::Headings() {
  if (const scene::Camera* camera = view_.Viewer().camera())
    cameraHeading_ = SceneHeading(camera->lookPoint() - camera->absolutePosition());
  auto* follow = controls_.Get<QCheckBox>("chkFollow");
  if (!(follow && follow->isChecked())) boatHeading_ = SceneHeading(scene_.BoatCube->direction());
  if (boatHeading_ == shownBoatHeading_ && cameraHeading_ == shownCameraHeading_) return;
  shownBoatHeading_ = boatHeading_;
  shownCameraHeading_ = cameraHeading_;
  SetHud("Boat Heading", HeadingText(boatHeading_));
  SetHud("Camera Heading", HeadingText(cameraHeading_));
  if (Hooks.HeadingChanged) Hooks.HeadingChanged(std::trunc(boatHeading_));
}

void TFrameLoop::FollowBoatClicked() {
  terrain_.Source().WaitUntilReady();
  auto* follow = controls_.Get<QCheckBox>("chkFollow");
  const bool ticked = follow && follow->isChecked();
  followAtLastClick_ = ticked;
  double lat = 0.0, lon = 0.0;
  std::uint16_t status = 0;
  const bool read = shipData_->ReadPosition(lat, lon, status);
  if (read && Hooks.IncomingStatus) Hooks.IncomingStatus(status);
  if (ticked && read && (lat != 0.0 || lon != 0.0)) {
    latitude_ = lat;
    longitude_ = lon;
    const TGridPoint grid = terrain_.MoveTo(lat, lon);
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    const glm::vec3 scale = scene_.TerrainRenderer1->scale();
    scene_.BoatCube->setPosition({static_cast<float>(-grid.x) * scale.x, 0.0f, static_cast<float>(grid.y) * scale.y});
    newPosition_ = true;
    scene_.SkyCube->setPosition(scene_.BoatCube->position());
    scene_.SkyCamera->setPosition({0.0f, 70.0f, -30.0f});
    terrain_.Source().FollowPosition(grid.x, grid.y);
    terrain_.Source().WaitUntilReady();
  }
  newPosition_ = ticked;
  if (!view_.window()->isMinimized()) view_.setFocus();
}

}  // namespace velmara

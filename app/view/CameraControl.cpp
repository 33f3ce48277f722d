#include "app/view/CameraControl.h"

#include "app/forms/CameraFrm.h"
#include "app/scene/NetScene.h"
#include "app/shell/ProgramValues.h"
#include "app/view/ChartTerrain.h"
#include "app/view/MainControls.h"
#include "app/view/PositionInput.h"
#include "app/view/SceneView.h"
#include "controls/KVTTransBtn.h"

#include <QAction>
#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>

namespace velmara {
namespace {

QCursor PictureCursor(const char* name, Qt::CursorShape fallback) {
  const QPixmap picture(QString::fromStdString(Program().ProgramDir + "/data/pictures/" + name + ".png"));
  return picture.isNull() ? QCursor(fallback) : QCursor(picture, 0, 0);
}

}  // namespace

TCameraControl::TCameraControl(TMainScene& scene, TSceneView& view, const TMainControls& controls, TChartTerrain& terrain, QWidget& window)
    : scene_(scene),
      view_(view),
      controls_(controls),
      terrain_(terrain),
      window_(window),
      leftCursor_(PictureCursor("CURSORLEFT", Qt::OpenHandCursor)),
      rightCursor_(PictureCursor("CURSORRIGHT", Qt::SizeVerCursor)) {}

void TCameraControl::RegisterDefaults() { scene_.CameraDefaults.Register(scene_.Cameras()); }

int TCameraControl::CurrentNumber() const {
  const auto cameras = scene_.Cameras();
  for (int i = 0; i < static_cast<int>(cameras.size()); ++i)
    if (view_.Viewer().camera() == cameras[i]) return i + 1;
  return 0;
}

void TCameraControl::btnCamerasClick() {
  const bool netShown = Hooks.NetShown && Hooks.NetShown();
  TCameraFrm dialog(CurrentNumber(), netShown, &window_);
  dialog.OnReset = [this] {
    const auto cameras = scene_.Cameras();
    for (int number = 1; number <= TCameraDefaults::Count; ++number) RestoreCamera(*cameras[number - 1], number);
  };
  dialog.exec();
  if (dialog.Chosen() > 0) SelectCamera(dialog.Chosen());
}

void TCameraControl::ApplyCamera(int number) {
  scene::Camera* camera = nullptr;
  switch (number) {
    case 1:
      camera = scene_.FishingCamera;
      scene_.FishCameraCube->setAbsoluteDirection(scene_.BoatCube->absoluteDirection());
      FollowCameraTurn = 0.0f;
      break;
    case 2:
      scene_.SkyCube->setPosition(scene_.BoatCube->position());
      camera = scene_.SkyCamera;
      break;
    case 4: camera = scene_.UnderBoatCamera; break;
    default:
      if (number >= 1 && number <= TCameraDefaults::Count) camera = scene_.Cameras()[number - 1];
      break;
  }
  if (!camera) return;
  if (roam_) RoamCamera1Click();
  view_.Viewer().setCamera(camera);
  // From under the boat its lines would cut through the picture.
  scene_.BoatDropLine->setVisible(number != 4);
}

void TCameraControl::AfterCameraChange() {
  const int option = Hooks.BoatMarkerOption ? Hooks.BoatMarkerOption() : 1;
  ShowBoatMarkers(scene_, option, view_.Viewer().camera() == scene_.AtBottomCamera);
  BoatScalePending = true;
  if (!window_.isMinimized()) view_.setFocus();
}

void TCameraControl::SelectCamera(int number) {
  ApplyCamera(number);
  AfterCameraChange();
}

void TCameraControl::RestoreCamera(scene::Camera& camera, int number) const {
  if (scene_.CameraDefaults.Registered()) scene_.CameraDefaults.Restore(camera, number);
}

void TCameraControl::actResetCamExecute() {
  const auto cameras = scene_.Cameras();
  for (int number = 1; number <= TCameraDefaults::Count; ++number) RestoreCamera(*cameras[number - 1], number);
  // Looking from the net, the camera stays where it is.
  const int current = CurrentNumber();
  if (current != 5 && current != 6) ApplyCamera(current);
  AfterCameraChange();
}

void TCameraControl::btnNorthClick() {
  if (scene::Camera* camera = view_.Viewer().camera()) PointCameraNorth(*camera);
}

void TCameraControl::RoamCamera1Click() {
  roam_ = !roam_;
  if (roam_) {
    const glm::vec3 boat = scene_.BoatForm->absolutePosition();
    scene_.DCRoam->setPosition({boat.x, 20.0f, boat.z});
    scene_.DCRoam->setDirection(scene_.BoatCube->absoluteDirection());
    view_.Viewer().setCamera(scene_.GLCameraRoam);
    SetViewCursor(QCursor(Qt::BlankCursor));
  } else {
    view_.unsetCursor();
    view_.Viewer().setCamera(scene_.SkyCamera);
  }
  if (QAction* item = controls_.Action("RoamCamera1")) item->setChecked(roam_);
}

bool TCameraControl::SourceReady() const { return terrain_.HasSource() && terrain_.Source().State() == 2; }

void TCameraControl::SetViewCursor(const QCursor& cursor) { view_.setCursor(cursor); }

void TCameraControl::GLSceneViewer1MouseDown(QMouseEvent* event) {
  if (roam_) {
    if (event->button() == Qt::MiddleButton) RoamCamera1Click();
    return;
  }
  if (!SourceReady()) return;
  last_ = event->position();
  const bool ctrl = event->modifiers() & Qt::ControlModifier;
  if (event->button() == Qt::MiddleButton || (event->button() == Qt::RightButton && ctrl))
    SetViewCursor(QCursor(Qt::SizeAllCursor));
  else if (event->button() == Qt::LeftButton)
    SetViewCursor(Hooks.MarkSelected && Hooks.MarkSelected() ? QCursor(Qt::PointingHandCursor) : leftCursor_);
  else if (event->button() == Qt::RightButton)
    SetViewCursor(rightCursor_);
}

void TCameraControl::GLSceneViewer1MouseUp(QMouseEvent*) { view_.unsetCursor(); }

void TCameraControl::GLSceneViewer1MouseMove(QMouseEvent* event) {
  if (roam_) return;
  const QPointF at = event->position();
  if (SourceReady() && view_.isEnabled()) CursorReadoutAt(at);
  scene::Camera* camera = view_.Viewer().camera();
  const Qt::MouseButtons buttons = event->buttons();
  const bool ctrl = event->modifiers() & Qt::ControlModifier;
  const TMouseDelta delta{static_cast<float>(last_.x() - at.x()), static_cast<float>(last_.y() - at.y())};
  const bool sky = camera == scene_.SkyCamera;
  if (buttons == Qt::NoButton) {
    view_.unsetCursor();
  } else if (camera && ((buttons & Qt::MiddleButton) || ctrl)) {
    if (sky)
      scene_.SkyCube->setPosition(scene_.SkyCube->position() + SkyPanOffset(delta, scene_.SkyCamera->position()));
    else
      scene_.BoatCube->setPosition(scene_.BoatCube->position() + BoatPanOffset(delta, scene_.BoatCube->direction()));
  } else if (camera && (buttons & Qt::LeftButton)) {
    if (!(Hooks.MarkSelected && Hooks.MarkSelected())) camera->moveAroundTarget(delta.dy, delta.dx);
  } else if (camera && (buttons & Qt::RightButton)) {
    const float f = ZoomFactor(sky, delta);
    if (sky) {
      if (SkyZoomAllowed(camera->distanceToTarget(), f)) camera->adjustDistanceToTarget(f);
    } else {
      const TLens lens = ZoomLens({camera->sceneScale(), camera->focalLength()}, f);
      camera->setSceneScale(lens.SceneScale);
      camera->setFocalLength(lens.FocalLength);
    }
    BoatScalePending = true;
  }
  last_ = at;
  if (buttons != Qt::NoButton && Hooks.PlaceNetDepthLabel) Hooks.PlaceNetDepthLabel();
}

void TCameraControl::CursorReadoutAt(const QPointF& at) {
  auto* txtMouse = controls_.Get<QLabel>("txtMouse");
  const qreal ratio = view_.devicePixelRatioF();
  const glm::vec2 window(static_cast<float>(at.x() * ratio), static_cast<float>((view_.height() - at.y()) * ratio));
  const std::optional<glm::vec3> hit = scene_.TerrainRenderer1->rayCastIntersect(view_.Viewer().rayFromScreen(window));
  if (!hit) {
    if (txtMouse) txtMouse->clear();
    return;
  }
  TPGSBitmapHDS& source = terrain_.Source();
  const scene::TerrainRenderer& renderer = *scene_.TerrainRenderer1;
  const glm::vec3 boat = scene_.BoatForm->absolutePosition();
  const glm::vec3 boatGrid = renderer.sceneToGrid(boat);
  const glm::vec3 pointGrid = renderer.sceneToGrid(*hit);
  const TLatLon from = source.GridToLatLon(boatGrid.x, boatGrid.y);
  const TLatLon to = source.GridToLatLon(pointGrid.x, pointGrid.y);
  const GeoPoint point{to.lat, to.lon};
  const double range = Range(from.lat, from.lon, to.lat, to.lon);
  const double extent = static_cast<double>(terrain_.CellSize()) * source.GridSize();
  const double bearing = CompassHeading(*hit - boat);
  const double height = source.InterpolatedHeight(pointGrid.x, pointGrid.y) / static_cast<double>(terrain_.HeightScale());
  const double depth = Hooks.LakeMode && Hooks.LakeMode() ? (Hooks.LakeAltitude ? Hooks.LakeAltitude() : 0.0) - height : -height;
  const TDepthUnit unit = Program().DepthUnit;
  const std::optional<TCursorReadout> readout = CursorReadout(range, bearing, depth, unit, extent, point);
  if (!readout) return;
  if (txtMouse) txtMouse->setText(QString::fromStdString(readout->Mouse));
  TGLKVTMenu& hud = *scene_.hudDisplayInfo;
  auto line = [&](const char* title) -> TGLKVTMenuLine* {
    for (TGLKVTMenuLine& l : hud.Lines())
      if (l.Title == title) return &l;
    return nullptr;
  };
  if (TGLKVTMenuLine* first = line("Latitude at Cursor"); first && first->Visible) {
    first->Item = readout->Latitude;
    if (TGLKVTMenuLine* l = line("Longitude at Cursor")) l->Item = readout->Longitude;
    if (TGLKVTMenuLine* l = line("Depth at Cursor")) l->Item = readout->Depth;
    if (TGLKVTMenuLine* l = line("Boat to Cursor Bearing")) l->Item = readout->Bearing;
    if (TGLKVTMenuLine* l = line("Boat to Cursor Range")) l->Item = readout->Range;
  }
  if (Hooks.MouseInfo) Hooks.MouseInfo(range / 1852.0, bearing, MetresToDisplayDepth(static_cast<float>(depth), unit), point);
  const Qt::MouseButtons buttons = QGuiApplication::mouseButtons();
  if (!(buttons & (Qt::LeftButton | Qt::MiddleButton)) && Hooks.SendCursorToPlotter) Hooks.SendCursorToPlotter(point);
}

glm::vec3 TCameraControl::BoatPosition() const { return scene_.BoatForm->absolutePosition(); }

glm::vec2 TCameraControl::FollowGrid(const glm::vec3& p) { return {-p.x, p.z}; }

void TCameraControl::MapUpdate(double latitude, double longitude, double heading) {
  if (latitude == 0.0 && longitude == 0.0) {
    if (auto* button = controls_.Get<TKVTTransparentButton>("btnMapView")) button->SetDown(false);
    return;
  }
  if (auto* follow = controls_.Get<QCheckBox>("chkFollow")) follow->setChecked(false);
  TPGSBitmapHDS& source = terrain_.Source();
  const TGridPoint grid = source.LatLonToGrid(longitude, latitude);
  const glm::vec3 scale = scene_.TerrainRenderer1->scale();
  glm::vec3 boat(static_cast<float>(-grid.x) * scale.x, 0.0f, static_cast<float>(grid.y) * scale.y);
  if (const std::optional<float> height = scene_.TerrainRenderer1->sceneHeightAt(boat)) boat.y = *height + BoatHeightOffset;
  scene_.BoatCube->setPosition(boat);
  scene_.SkyCube->setPosition(boat);
  const SceneDirection d = DirectionFromHeading(heading);
  scene_.BoatCube->setDirection({static_cast<float>(d.x), 0.0f, static_cast<float>(d.z)});
  if (Hooks.SetBoatHeading) Hooks.SetBoatHeading(heading);
  RestoreCamera(*scene_.SkyCamera, 2);
  if (Hooks.NetPositionUpdate) Hooks.NetPositionUpdate();
  view_.setFocus();
  const auto* follow = controls_.Get<QCheckBox>("chkFollow");
  scene::Camera* camera = view_.Viewer().camera();
  const bool fromBoat = camera != scene_.SkyCamera || (follow && follow->isChecked()) || !camera;
  const glm::vec2 at = FollowGrid(fromBoat ? BoatPosition() : camera->absolutePosition());
  source.FollowPosition(at.x, at.y);
  source.WaitUntilReady();
  if (Hooks.UpdateBearingTool) Hooks.UpdateBearingTool();
  if (Hooks.RequestRecentre) Hooks.RequestRecentre();
  view_.update();
}

float TCameraControl::BoatScaleFactor() const {
  const bool sky = view_.Viewer().camera() == scene_.SkyCamera;
  return velmara::BoatScaleFactor(sky, sky ? scene_.SkyCamera->distanceToTarget() : 0.0f);
}

}  // namespace velmara

#include "app/view/PositionEntry.h"

#include "app/base/NumberFormat.h"
#include "app/scene/MainScene.h"
#include "app/view/CameraControl.h"
#include "app/view/ChartTerrain.h"
#include "app/view/MainControls.h"
#include "app/view/SceneView.h"
#include "controls/IASciEdit.h"
#include "controls/KVTTransBtn.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>

#include <cstdlib>

namespace velmara {
namespace {

constexpr const char* kNumberBoxes[] = {"Lat_1", "Lat_2", "Long_1", "Long_2"};

double BoxValue(const TMainControls& controls, const char* name) {
  const auto* box = controls.Get<TIASciEdit>(name);
  if (!box) return 0.0;
  const std::optional<double> value = ParseFloat(box->text().toStdString());
  return value ? *value : box->SciFloatValue();
}

void PumpingSleep(int milliseconds) {
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < milliseconds) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

// An information box with Yes and No; unattended runs (no message boxes) answer No.
bool AskYesNo(QWidget* parent, const QString& question) {
  if (std::getenv("VELMARA_NO_MESSAGE_BOXES")) return false;
  QMessageBox box(QMessageBox::Information, parent ? parent->windowTitle() : QString(), question, QMessageBox::Yes | QMessageBox::No, parent);
  return box.exec() == QMessageBox::Yes;
}

void FillHemisphere(QComboBox* box, const char* first, const char* second) {
  if (!box) return;
  const QString shown = box->currentText();
  box->clear();
  box->addItems({first, second});
  box->setCurrentText(shown == second ? second : first);
}

}  // namespace

TPositionEntry::TPositionEntry(TMainScene& scene, TSceneView& view, const TMainControls& controls, TChartTerrain& terrain,
                               TCameraControl& cameras, QWidget& window)
    : scene_(scene), view_(view), controls_(controls), terrain_(terrain), cameras_(cameras), window_(window) {
  Sleep = PumpingSleep;
  Ask = [this](const QString& question) { return AskYesNo(&window_, question); };
  FillHemisphere(controls.Get<QComboBox>("cbxN"), "N", "S");
  FillHemisphere(controls.Get<QComboBox>("cbxE"), "E", "W");
  const struct {
    const char* name;
    const char* hint;
  } hints[] = {{"Lat_1", "Latitude degrees"}, {"Lat_2", "Latitude decimal minutes"},
               {"Long_1", "Longitude degrees"}, {"Long_2", "Longitude decimal minutes"}};
  for (const auto& h : hints)
    if (auto* box = controls.Get<TIASciEdit>(h.name)) {
      box->setToolTip(h.hint);
      box->setEnabled(true);
      box->installEventFilter(this);
    }
  for (const char* name : {"cbxN", "cbxE"})
    if (QWidget* w = controls.Widgets.count(name) ? controls.Widgets.at(name) : nullptr) w->setEnabled(true);
  if (auto* button = controls.Get<TKVTTransparentButton>("btnAcceptPos")) {
    button->setEnabled(true);
    QObject::connect(button, &TKVTTransparentButton::OnClick, this, [this] { btnAcceptPosClick(); });
  }
  if (auto* follow = controls.Get<QCheckBox>("chkFollow")) {
    QObject::connect(follow, &QCheckBox::toggled, this, [this](bool on) { FollowBoatChanged(on); });
    FollowBoatChanged(follow->isChecked());
  }
  WritePosition(terrain.Position());
}

TPositionBoxes TPositionEntry::Boxes() const {
  TPositionBoxes boxes;
  boxes.LatDegrees = BoxValue(controls_, "Lat_1");
  boxes.LatMinutes = BoxValue(controls_, "Lat_2");
  boxes.LonDegrees = BoxValue(controls_, "Long_1");
  boxes.LonMinutes = BoxValue(controls_, "Long_2");
  if (const auto* n = controls_.Get<QComboBox>("cbxN")) boxes.South = n->currentText() == "S";
  if (const auto* e = controls_.Get<QComboBox>("cbxE")) boxes.West = e->currentText() == "W";
  return boxes;
}

void TPositionEntry::WritePosition(const GeoPoint& position) {
  const DegreesMinutes lat = SplitForEntry(position.lat);
  const DegreesMinutes lon = SplitForEntry(position.lon > 180.0 ? position.lon - 360.0 : position.lon);
  auto write = [&](const char* name, const std::string& text) {
    if (auto* box = controls_.Get<TIASciEdit>(name)) box->setText(QString::fromStdString(text));
  };
  write("Lat_1", std::to_string(lat.degrees));
  write("Lat_2", FormatFloat(lat.minutes, "0.00"));
  write("Long_1", std::to_string(lon.degrees));
  write("Long_2", FormatFloat(lon.minutes, "0.00"));
  if (auto* n = controls_.Get<QComboBox>("cbxN")) n->setCurrentText(lat.negative ? "S" : "N");
  if (auto* e = controls_.Get<QComboBox>("cbxE")) e->setCurrentText(lon.negative ? "W" : "E");
  for (TGLKVTMenuLine& line : scene_.hudDisplayInfo->Lines()) {
    if (line.Title == "Latitude") line.Item = PositionText(position.lat, true, PositionStyle::MinuteMarked);
    if (line.Title == "Longitude") line.Item = PositionText(position.lon, false, PositionStyle::MinuteMarked);
  }
}

void TPositionEntry::FollowBoatChanged(bool on) {
  for (const char* name : kNumberBoxes)
    if (auto* box = controls_.Get<TIASciEdit>(name)) box->setReadOnly(on);
}

bool TPositionEntry::btnAcceptPosClick() {
  // A second press while the chart is still moving is not taken.
  if (busy_) return false;
  busy_ = true;
  QCoreApplication::processEvents();
  view_.setEnabled(false);
  const GeoPoint position = PositionFromBoxes(Boxes());
  const bool valid = PositionInRange(position);
  if (!valid) {
    if (ShowMessage) ShowMessage(InvalidPositionMessage);
  } else {
    MoveTo(position);
  }
  if (!window_.isMinimized()) view_.setFocus();
  if (valid && Hooks.PlotterLinkLevel && Hooks.PlotterLinkLevel() >= 2 && Hooks.SendPositionToPlotter) Hooks.SendPositionToPlotter(position);
  view_.setEnabled(true);
  busy_ = false;
  return valid;
}

void TPositionEntry::MoveTo(const GeoPoint& position) {
  if (auto* follow = controls_.Get<QCheckBox>("chkFollow")) follow->setChecked(false);
  if (Hooks.EndMarkAction) Hooks.EndMarkAction();
  for (scene::Line* track : {scene_.BoatTrackLine, scene_.NetTrackLine}) {
    track->clearNodes();
    track->setVisible(false);
  }
  if (Hooks.ClearTrackLines) Hooks.ClearTrackLines();
  terrain_.SetPosition(position);
  TPGSBitmapHDS& source = terrain_.Source();
  source.WaitUntilReady();
  terrain_.UseCellSizeAt(position.lat);
  source.SetOrigin(position.lon, position.lat);
  const TGridPoint grid = source.LatLonToGrid(position.lon, position.lat);
  if (Hooks.RequestLegendUpdate) Hooks.RequestLegendUpdate();
  Sleep(100);
  source.StartLoad(grid.x, grid.y);
  Sleep(500);
  source.WaitUntilReady();
  const glm::vec3 scale = scene_.TerrainRenderer1->scale();
  const glm::vec3 boat(static_cast<float>(-grid.x) * scale.x, 0.0f, static_cast<float>(grid.y) * scale.y);
  scene_.BoatCube->setPosition(boat);
  scene_.SkyCube->setPosition(boat);
  scene_.SeaPlane->setPosition(boat);
  cameras_.actResetCamExecute();
  const auto* follow = controls_.Get<QCheckBox>("chkFollow");
  scene::Camera* camera = view_.Viewer().camera();
  const bool fromBoat = !camera || camera != scene_.SkyCamera || (follow && follow->isChecked());
  const glm::vec3 from = fromBoat ? scene_.BoatForm->absolutePosition() : camera->absolutePosition();
  source.FollowPosition(-from.x, from.z);
  Sleep(500);
  source.WaitUntilReady();
  if (Hooks.UpdatePass) Hooks.UpdatePass();
  view_.update();
}

bool TPositionEntry::eventFilter(QObject* watched, QEvent* event) {
  auto* box = qobject_cast<TIASciEdit*>(watched);
  if (!box) return false;
  if (event->type() == QEvent::KeyPress && box->isReadOnly()) {
    Lat_1KeyDown(box);
    return false;
  }
  if (event->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
    if (box->objectName() == "Lat_1" || box->objectName() == "Long_1") {
      Lat_1MouseDown(box->objectName() == "Lat_1");
      return true;
    }
  }
  return false;
}

void TPositionEntry::Lat_1KeyDown(QWidget* box) {
  const auto* follow = controls_.Get<QCheckBox>("chkFollow");
  if (!follow || !follow->isChecked()) return;
  if (!Ask || !Ask("Do you wish to stop \"Follow Boat\"?")) return;
  if (auto* check = controls_.Get<QCheckBox>("chkFollow")) check->setChecked(false);
  if (Hooks.FollowBoatClick) Hooks.FollowBoatClick();
  box->setFocus();
}

void TPositionEntry::Lat_1MouseDown(bool latitude) {
  const TPositionBoxes boxes = Boxes();
  const std::string text =
      latitude ? DecimalDegreesText(boxes.LatDegrees, boxes.LatMinutes) : DecimalDegreesText(boxes.LonDegrees, boxes.LonMinutes);
  if (ShowMessage) ShowMessage(QString::fromStdString(text));
}

}  // namespace velmara

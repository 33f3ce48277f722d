#include "app/view/TerrainCommands.h"

#include "app/view/SceneView.h"
#include "terrain/MapResolution.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>

namespace velmara {
namespace {

QString Colour(bool on, bool dark) {
  if (dark) return on ? "color: #00ff00" : "color: white";
  return on ? "color: #008000" : "color: black";
}

}  // namespace

TTerrainCommands::TTerrainCommands(TMainScene& scene, TSceneView& view, const TMainControls& controls, TChartTerrain& terrain,
                                   bool inshore)
    : scene_(scene), view_(view), controls_(controls), terrain_(terrain), inshore_(inshore) {
  if (auto* list = controls_.Get<QComboBox>("cbxMapResolution")) {
    list->setEnabled(true);
    QObject::connect(list, QOverload<int>::of(&QComboBox::activated), list, [this](int index) { MapResolutionChanged(index); });
  }
  if (QAction* refresh = controls_.Action("actRefresh")) {
    refresh->setEnabled(true);
    QObject::connect(refresh, &QAction::triggered, refresh, [this] { Refresh(); });
  }
  if (QAction* sea = controls_.Action("mnuDisplaySeaSurface")) {
    sea->setEnabled(true);
    QObject::connect(sea, &QAction::toggled, sea, [this](bool on) { ShowSeaSurface(on); });
  }
}

void TTerrainCommands::FillMapResolutions(int savedIndex) {
  auto* list = controls_.Get<QComboBox>("cbxMapResolution");
  if (!list) return;
  list->clear();
  for (int i = 0; i < MapResolutionCount; ++i) list->addItem(QString::fromStdString(MapResolutionLabel(i, inshore_)));
  applied_ = previous_ = savedIndex;
  list->setCurrentIndex(savedIndex);
}

void TTerrainCommands::MapResolutionChanged(int index) {
  previous_ = index;
  if (index == applied_) return;
  if (SetBusy) SetBusy(true);
  auto* follow = controls_.Get<QCheckBox>("chkFollow");
  const bool following = follow && follow->isChecked();
  if (follow) {
    const QSignalBlocker quiet(follow);
    follow->setChecked(false);
  }
  applied_ = index;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  controls_.pnlTools->setEnabled(false);
  controls_.pnlLeftToolbar->setEnabled(false);
  double lat = terrain_.Latitude(), lon = terrain_.Longitude();
  if (CurrentPosition) CurrentPosition(lat, lon);
  terrain_.SetMapResolution(index);
  const TGridPoint grid = terrain_.MoveTo(lat, lon);
  terrain_.Source().WaitUntilReady();
  if (PlaceBoat) PlaceBoat(grid);
  if (follow) {
    const QSignalBlocker quiet(follow);
    follow->setChecked(following);
  }
  controls_.pnlTools->setEnabled(true);
  controls_.pnlLeftToolbar->setEnabled(true);
  if (!view_.window()->isMinimized()) view_.setFocus();
  QApplication::restoreOverrideCursor();
  if (SetBusy) SetBusy(false);
}

void TTerrainCommands::Refresh() {
  terrain_.Source().Reload();
  QApplication::processEvents();
}

void TTerrainCommands::ShowSeaSurface(bool show) {
  scene_.SeaPlane->setVisible(show);
  scene_.SeaPlane->setSize(1024, 1024);
  glm::vec3 at = scene_.BoatCube->position();
  scene_.SeaPlane->setPosition({at.x, 0.0f, at.z});
}

void TTerrainCommands::StatusTexts(bool darkPanel, bool roughSeas) {
  if (auto* alt = controls_.Get<QLabel>("txtAlt")) {
    alt->setText("Mode: Sea  Alt: Sealevel");
    alt->setStyleSheet(Colour(false, darkPanel));
  }
  if (auto* lake = controls_.Get<QLabel>("txtLake")) {
    lake->setText(roughSeas ? "Rough Sea Mode: On" : "Rough Sea Mode: Off");
    lake->setStyleSheet(Colour(roughSeas, darkPanel));
  }
  for (const char* name : {"chkFollow", "chkRecordData"})
    if (auto* box = controls_.Get<QCheckBox>(name)) box->setStyleSheet(Colour(box->isChecked(), darkPanel));
}

}  // namespace velmara

#include "app/view/TerrainLook.h"

#include "app/forms/LightFrm.h"
#include "controls/ImageList.h"
#include "controls/KVTPanel.h"
#include "controls/KVTTransBtn.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace velmara {
namespace {

scene::Colour Colour3(const std::array<float, 3>& c, float alpha = 1.0f) { return scene::Colour(c[0], c[1], c[2], alpha); }

}  // namespace

TTerrainLook::TTerrainLook(TMainScene& scene, TChartTerrain& terrain, const TMainControls& controls, const TImageList& lightImages,
                           const TImageList& darkImages)
    : scene_(scene), terrain_(terrain), controls_(controls), lightImages_(lightImages), darkImages_(darkImages) {
  shadingBase_ = terrain.Source().NormalScale();
  Wire();
}

void TTerrainLook::Wire() {
  auto* shading = controls_.Get<QComboBox>("cbxShading");
  auto* button = controls_.Get<TKVTTransparentButton>("btnShading");
  if (shading && button) {
    shading->clear();
    for (const char* item : ShadingItems) shading->addItem(item);
    shading->setCurrentIndex(4);
    shading->setEnabled(true);
    shading->hide();
    button->setEnabled(true);
    QObject::connect(button, &TKVTTransparentButton::OnClick, shading, [shading] {
      shading->show();
      shading->setFocus();
      shading->showPopup();
    });
    QObject::connect(shading, QOverload<int>::of(&QComboBox::activated), shading, [this, shading](int index) {
      ApplyShading(index);
      shading->hide();
    });
  }
  auto* sun = controls_.Get<TKVTTransparentButton>("btnSun");
  auto* moon = controls_.Get<TKVTTransparentButton>("btnMoon");
  if (sun && moon) {
    sun->setEnabled(true);
    moon->setEnabled(true);
    sun->SetDown(true);
    QObject::connect(sun, &TKVTTransparentButton::OnClick, sun, [this] { SetDayNight(false); });
    QObject::connect(moon, &TKVTTransparentButton::OnClick, moon, [this] { SetDayNight(true); });
  }
  if (QAction* wire = controls_.Action("mnuWireFrame")) {
    wire->setEnabled(true);
    QObject::connect(wire, &QAction::toggled, wire, [this](bool on) { SetWireFrame(on); });
  }
  // The dynamic rendering items keep their ticks as settings.
  for (const char* name : {"mnuDynamicDepth", "mnuDynamicHardness", "mnuDynamicRoughness"})
    if (QAction* item = controls_.Action(name)) item->setEnabled(true);
}

void TTerrainLook::ApplyShading(int index) {
  if (auto* shading = controls_.Get<QComboBox>("cbxShading")) {
    if (shading->currentIndex() != index) shading->setCurrentIndex(index);
    if (auto* label = controls_.Get<QLabel>("lblShading")) label->setText(shading->currentText());
  }
  terrain_.Source().SetNormalScale(ShadingNormalScale(index, shadingBase_));
  terrain_.RebuildNormals();
}

void TTerrainLook::SetLightAngle(int angle) {
  const double theta = Light.SetLightAngle(angle, BoatHeading ? BoatHeading() : 0.0);
  terrain_.SetLightDirection(theta, scene_.BoatForm->position());
}

void TTerrainLook::SetLightDirection(double angle, bool relative) {
  terrain_.SetLightDirection(Light.DirectionAngle(angle, relative), scene_.BoatForm->position());
}

void TTerrainLook::SetContrast(bool night) { terrain_.Materials().SetContrast(night); }

void TTerrainLook::SetDayNight(bool night) {
  Night = night;
  if (auto* sun = controls_.Get<TKVTTransparentButton>("btnSun")) sun->SetDown(!night);
  if (auto* moon = controls_.Get<TKVTTransparentButton>("btnMoon")) moon->SetDown(night);
  SetPanelScheme(!night);
  SetContrast(night);
  const TDayNightColours colours = DayNightColours(night);
  scene_.GLLightSource1->ambient = Colour3(colours.lightAmbient);
  auto& bands = scene_.SkyDome->bands();
  bands.clear();
  for (const TSkyBand& band : colours.sky)
    bands.push_back({static_cast<float>(band.startAngle), static_cast<float>(band.stopAngle), Colour3(band.startColour),
                     Colour3(band.stopColour)});
  for (scene::HudText* text : {scene_.BearingText, scene_.hudBoatDepth, scene_.hudNetDepth, scene_.HudWire, scene_.hudInfo})
    text->setColour(Colour3(colours.hudText));
  scene_.hudDisplayInfo->BackColor = scene::Colour(colours.menuBackground[0], colours.menuBackground[1], colours.menuBackground[2],
                                                   colours.menuBackground[3]);
  scene_.hudDisplayInfo->InactiveColor = Colour3(colours.menuInactive);
  if (OnDayNightChanged) OnDayNightChanged();
}

void TTerrainLook::SetPanelScheme(bool light) {
  panelDark_ = PanelSchemeDark(PanelSchemeOption, light);
  const bool dark = panelDark_;
  const QString face = dark ? "#3f3f3f" : "palette(button)";
  for (const auto& [name, widget] : controls_.Widgets) {
    if (auto* button = qobject_cast<TKVTTransparentButton*>(widget)) {
      button->SetColor(dark ? QColor(0x3f, 0x3f, 0x3f) : widget->palette().color(QPalette::Button));
      button->SetFontColor(dark ? Qt::white : Qt::black);
      const TImageList& images = dark ? darkImages_ : lightImages_;
      if (button->property("imageIndex").isValid()) button->SetAllImages(&images, button->property("imageIndex").toInt());
    } else if (qobject_cast<QComboBox*>(widget) || qobject_cast<QLineEdit*>(widget) || qobject_cast<QAbstractSpinBox*>(widget)) {
      widget->setStyleSheet(dark ? "background: #c0c0c0; color: black" : "background: white; color: black");
    } else if (qobject_cast<QLabel*>(widget) || qobject_cast<QCheckBox*>(widget)) {
      widget->setStyleSheet(dark ? "color: white" : "color: black");
    }
  }
  for (QWidget* panel : {controls_.pnlTools, controls_.Panel1, controls_.pnlLeftToolbar, controls_.panStatus})
    panel->setStyleSheet(QString("#%1 { background: %2; }").arg(panel->objectName(), face));
  controls_.pnlRight->setStyleSheet(dark ? "#pnlRight { background: #808080; }" : "#pnlRight { background: white; }");
  if (auto* moon = controls_.Get<TKVTTransparentButton>("btnMoon")) {
    const TImageList& images = dark ? darkImages_ : lightImages_;
    moon->SetAllImages(&images, dark ? 13 : 26);
  }
}

void TTerrainLook::SetWireFrame(bool on) { terrain_.SetWireFrame(on); }

void TTerrainLook::ShowLightDialog(QWidget* parent) {
  TfrmLight dialog(Light, BoatHeading ? BoatHeading() : 0.0,
                   [this](double direction) { terrain_.SetLightDirection(direction, scene_.BoatForm->position()); }, parent);
  dialog.exec();
}

}  // namespace velmara

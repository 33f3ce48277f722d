#include "app/view/DepthUnits.h"

#include "app/base/NumberFormat.h"
#include "app/shell/ProgramValues.h"
#include "app/view/MainControls.h"
#include "app/view/ListText.h"
#include "app/view/PositionInput.h"
#include "app/view/SceneView.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QSpinBox>

#include <algorithm>

namespace velmara {
namespace {

float ListMetres(const QComboBox* box, TDepthUnit unit) {
  if (!box) return 0.0f;
  const std::optional<double> value = ParseFloat(box->currentText().toStdString());
  return DisplayDepthToMetres(static_cast<float>(value.value_or(0.0)), unit);
}

}  // namespace

const char* UnitName(TDepthUnit unit) {
  switch (unit) {
    case TDepthUnit::Fathoms: return "Fathoms";
    case TDepthUnit::Feet: return "Feet";
    case TDepthUnit::Metres: break;
  }
  return "Metres";
}

TDepthUnits::TDepthUnits(const TMainControls& controls, TSceneView& view) : controls_(controls), view_(view) {
  const struct {
    const char* name;
    TDepthUnit unit;
  } items[] = {{"Meters1", TDepthUnit::Metres}, {"Fathoms1", TDepthUnit::Fathoms}, {"Feet1", TDepthUnit::Feet}};
  for (const auto& item : items)
    if (QAction* action = controls.Action(item.name)) {
      action->setEnabled(true);
      const TDepthUnit unit = item.unit;
      QObject::connect(action, &QAction::triggered, action, [this, unit] { Switch(unit); });
    }
}

TDepthUnit TDepthUnits::Unit() const { return Program().DepthUnit; }

void TDepthUnits::Switch(TDepthUnit unit) {
  const TDepthUnit old = Program().DepthUnit;
  auto* minDepth = controls_.Get<QComboBox>("minDepth");
  auto* maxDepth = controls_.Get<QComboBox>("maxDepth");
  auto* interval = controls_.Get<QComboBox>("cbxContourInterval");
  auto* wireOut = controls_.Get<QSpinBox>("spnWireOut");
  // Into metres with the old unit.
  const float minMetres = ListMetres(minDepth, old);
  const float maxMetres = ListMetres(maxDepth, old);
  const float intervalMetres = ListMetres(interval, old);
  const float wireMetres = wireOut ? DisplayDepthToMetres(static_cast<float>(wireOut->value()), old) : 0.0f;
  if (Hooks.ConvertNetSetup) Hooks.ConvertNetSetup(old);

  Program().DepthUnit = unit;
  const QString label = UnitLabel(unit);
  if (auto* lblUnit = controls_.Get<QLabel>("lblUnit")) lblUnit->setText(label);
  if (Hooks.ShowNetSetupUnits) Hooks.ShowNetSetupUnits(unit);

  // Out again in the new unit, each rounded.
  SetListText(interval, QString::number(RoundedDisplayDepth(intervalMetres, unit)));
  if (wireOut) {
    const long long maximum = RoundedDisplayDepth(3000.0, unit);
    wireOut->setMaximum(static_cast<int>(std::max(maximum, static_cast<long long>(wireOut->minimum()))));
    wireOut->setValue(static_cast<int>(RoundedDisplayDepth(wireMetres, unit)));
  }
  if (Hooks.RefreshMarkDepths) Hooks.RefreshMarkDepths();
  if (Hooks.RefreshBearingTool) Hooks.RefreshBearingTool();
  if (!Hooks.DepthPaletteActive || Hooks.DepthPaletteActive()) {
    SetListText(minDepth, QString::number(RoundedDisplayDepth(minMetres, unit)));
    SetListText(maxDepth, QString::number(RoundedDisplayDepth(maxMetres, unit)));
    if (Hooks.ApplyPaletteRange) Hooks.ApplyPaletteRange();
  }

  if (controls_.Widgets.count("DepthLegend")) controls_.Widgets.at("DepthLegend")->setToolTip(UnitName(unit));
  if (Hooks.SendUnitToPlotter) Hooks.SendUnitToPlotter(unit);
  const struct {
    const char* name;
    TDepthUnit unit;
  } items[] = {{"Meters1", TDepthUnit::Metres}, {"Fathoms1", TDepthUnit::Fathoms}, {"Feet1", TDepthUnit::Feet}};
  for (const auto& item : items)
    if (QAction* action = controls_.Action(item.name)) action->setChecked(item.unit == unit);
  if (Hooks.RebuildNetIfOut) Hooks.RebuildNetIfOut();
  if (Hooks.RequestRecentre) Hooks.RequestRecentre();
  view_.update();
  if (Hooks.RefreshTideLine) Hooks.RefreshTideLine();
}

}  // namespace velmara

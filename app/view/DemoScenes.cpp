#include "app/view/DemoScenes.h"

#include "app/shell/ProgramValues.h"
#include "app/view/ChartTerrain.h"
#include "app/view/ListText.h"
#include "app/view/MainControls.h"
#include "app/view/PositionEntry.h"
#include "controls/KVTTransBtn.h"
#include "terrain/MapResolution.h"

#include <QSpinBox>

namespace velmara {

const std::array<TDemoScene, 4>& DemoSceneTable() {
  static const std::array<TDemoScene, 4> scenes = {{
      {"btnScene1", "Inshore 2nm", "Torry Channel NZ", -41.216666, 174.32416666, 5, "5", "2 nm", 1, "myIS2nmRaster.dat", true},
      {"btnScene2", "Inshore 20nm", "Torry Channel NZ", -41.216666, 174.32416666, 48, "5", "20 nm", 4, "myIS5nmRaster.dat", true},
      {"btnScene3", "Deepsea 5nm", "Cook Strait NZ", -41.619666, 174.848, 12, "100", "5 nm", 0, "myDS10nmRaster.dat", false},
      {"btnScene4", "Deepsea 20nm", "Cook Strait NZ", -41.619666, 174.848, 48, "100", "20 nm", 2, "myDS20nmRaster.dat", false},
  }};
  return scenes;
}

TDemoScenes::TDemoScenes(const TMainControls& controls, TChartTerrain& terrain, TPositionEntry& position)
    : controls_(controls), terrain_(terrain), position_(position) {
  for (int i = 0; i < static_cast<int>(DemoSceneTable().size()); ++i)
    if (auto* button = controls.Get<TKVTTransparentButton>(DemoSceneTable()[i].Button)) {
      button->setEnabled(true);
      QObject::connect(button, &TKVTTransparentButton::OnClick, button, [this, i] { SceneClick(i); });
    }
}

void TDemoScenes::SceneClick(int index) {
  const TDemoScene& scene = DemoSceneTable().at(static_cast<std::size_t>(index));
  if (ShowMessage) ShowMessage(scene.Message);
  // Nothing of the terrain changes under a load that is still running.
  if (terrain_.HasSource()) terrain_.Source().WaitUntilReady();
  const GeoPoint position{scene.Latitude, scene.Longitude};
  terrain_.SetPosition(position);
  terrain_.SetCellSize(scene.CellSize);
  if (auto* ve = controls_.Get<QSpinBox>("VEEdit")) ve->setValue(2);
  terrain_.SetVerticalExaggeration(2.0);
  SetListText(controls_.Get<QComboBox>("cbxContourInterval"), scene.ContourInterval);
  // The list's index too, so that "Goto Location" computes the cell size the raster was made for.
  terrain_.SetMapResolution(scene.MapResolution);
  if (auto* list = controls_.Get<QComboBox>("cbxMapResolution")) {
    // The labels of the scene's operating scale; the scene's item is the one shown.
    list->clear();
    for (int i = 0; i < MapResolutionCount; ++i) list->addItem(QString::fromStdString(MapResolutionLabel(i, scene.Inshore)));
    list->setCurrentIndex(scene.MapResolution);
    if (list->currentText() != scene.Resolution) SetListText(list, scene.Resolution);
  }
  terrain_.SetRasterFile(DataDir + "/" + scene.RasterFile);
  Program().InshoreMode = scene.Inshore;
  terrain_.SetOperatingScale(scene.Inshore);
  terrain_.SetContourInterval(std::stoi(scene.ContourInterval));
  position_.WritePosition(position);
  position_.btnAcceptPosClick();
}

}  // namespace velmara

#pragma once
// The four demonstration scenes of the "Demo options" panel: each names its place in a message,
// sets position, cell size, vertical scale, contour interval, resolution text, raster file and
// operating scale, and then goes to the position as "Goto Location" does. Owned by the main
// window; main thread only.

#include <QString>

#include <array>
#include <functional>

namespace velmara {

class TChartTerrain;
class TPositionEntry;
struct TMainControls;

struct TDemoScene {
  const char* Button;
  const char* Caption;
  const char* Message;
  double Latitude;
  double Longitude;
  int CellSize;            // metres per cell the raster was prepared for
  const char* ContourInterval;
  const char* Resolution;  // the text of the map resolution list
  int MapResolution;       // the list index that gives CellSize at the scene's latitude
  const char* RasterFile;  // in the program's data folder
  bool Inshore;
};

const std::array<TDemoScene, 4>& DemoSceneTable();

class TDemoScenes {
public:
  TDemoScenes(const TMainControls& controls, TChartTerrain& terrain, TPositionEntry& position);

  std::function<void(const QString&)> ShowMessage;
  // The folder the raster files are in (the program's data folder).
  std::string DataDir;

  // btnScene1Click … btnScene4Click: index 0 … 3.
  void SceneClick(int index);

private:
  const TMainControls& controls_;
  TChartTerrain& terrain_;
  TPositionEntry& position_;
};

}  // namespace velmara

#pragma once
// The chart's per-frame handler: applies the loader's hand-overs, moves cameras and boat from the
// keys held, runs the update pass (model depth, position, heads-up lines) and keeps the headings
// current; and "Follow Boat", which moves the chart to the vessel's live position. Calls into
// parts built elsewhere (net update, plotter cursor, bearing tool) go through the hooks, which do
// nothing until those parts set them.

#include "app/base/Geodesy.h"
#include "app/scene/MainScene.h"
#include "app/view/ChartTerrain.h"
#include "app/view/GraphicsTest.h"
#include "app/view/MainControls.h"

#include <functional>
#include <memory>

namespace velmara {

class TSceneView;
class TShipData;

struct TFrameLoopHooks {
  std::function<void()> LegendChanged;        // after a load while following the boat
  std::function<void()> ContoursReady;        // the tracer's lines are ready
  std::function<void()> NetUpdate;            // the net's place and heads-up values
  std::function<void()> PlotterCursor;        // the plotter's cursor checks
  std::function<void()> BearingUpdate;        // the bearing tool
  std::function<void(double heading)> HeadingChanged;  // heading-dependent lighting
  std::function<void(std::uint16_t status)> IncomingStatus;  // after a position was read
};

class TFrameLoop {
public:
  TFrameLoop(TMainScene& scene, TSceneView& view, const TMainControls& controls, TChartTerrain& terrain, TGraphicsTest& test,
             bool inshore);
  ~TFrameLoop();

  TFrameLoopHooks Hooks;
  TDepthUnit DepthUnit = TDepthUnit::Metres;
  // Set while a map-resolution change or a range apply runs: frames do nothing.
  bool Paused = false;

  // GLCadencer1Progress.
  void Progress(double deltaTime);
  // chkFollowClick.
  void FollowBoatClicked();
  // Forces the next update pass.
  void RequestUpdate() { recentre_ = true; }

  double Latitude() const { return latitude_; }
  double Longitude() const { return longitude_; }
  double BoatHeading() const { return boatHeading_; }
  double CameraHeading() const { return cameraHeading_; }
  bool BoatScalePending() const { return boatScalePending_; }
  void ClearBoatScalePending() { boatScalePending_ = false; }
  TShipData& ShipData() { return *shipData_; }

private:
  void Keys(double deltaTime, bool& update, bool& moved);
  void UpdatePass(bool moved);
  void Headings();
  void SetBoatOnTerrain();
  // Model depth (metres, positive down) under a scene point.
  double ModelDepth(const glm::vec3& scenePoint) const;
  void SetHud(const char* title, const std::string& value);
  bool SkyCurrent() const;

  TMainScene& scene_;
  TSceneView& view_;
  const TMainControls& controls_;
  TChartTerrain& terrain_;
  TGraphicsTest& test_;
  bool inshore_;
  std::unique_ptr<TShipData> shipData_;
  double accumulator_ = 0.0;
  bool newPosition_ = false;
  bool recentre_ = true;
  bool followAtLastClick_ = false;
  bool boatScalePending_ = false;
  double boatHeading_ = 0.0;
  double cameraHeading_ = 0.0;
  double shownBoatHeading_ = -1.0;
  double shownCameraHeading_ = -1.0;
  float heightOffset_ = 0.0f;
  double latitude_ = -41.216666;
  double longitude_ = 174.32416666;
};

}  // namespace velmara

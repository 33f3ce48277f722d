#pragma once
// The chart's cameras as the user drives them: the camera selector, reset, point-north, the roam
// camera, mouse rotation, panning and zoom in the 3D view, the read-out of range, bearing and depth
// under the cursor, and moving the chart to a picked position (MapUpdate).
//
// Owned by the main window and given the scene, the view, the controls and the terrain by
// reference; all of it runs on the main thread. What belongs to parts of the chart that other
// classes own (net, bearing tool, plotter, frame loop) goes through the hooks, which may be empty.

#include "app/base/Geodesy.h"
#include "app/scene/MainScene.h"
#include "app/view/MouseNavigation.h"

#include <QCursor>
#include <QPoint>

#include <functional>
#include <optional>

class QMouseEvent;
class QWidget;

namespace velmara {

class TChartTerrain;
class TSceneView;
struct TMainControls;

struct TCameraHooks {
  std::function<bool()> NetShown;            // the net model is shown (selector buttons 5 and 6)
  std::function<int()> BoatMarkerOption;     // the display option of the boat's rings and arrow (1)
  std::function<bool()> MarkSelected;        // a mark is selected: the left button drags it instead
  std::function<void()> PlaceNetDepthLabel;  // re-place the net depth label while a button is down
  std::function<void()> NetPositionUpdate;
  std::function<void(double heading)> SetBoatHeading;  // boat and net heading of the frame loop
  std::function<void()> UpdateBearingTool;
  std::function<void()> RequestRecentre;     // the frame loop's re-centre request
  std::function<bool()> LakeMode;
  std::function<double()> LakeAltitude;      // metres
  // The mouse information window, when open: range in nm, bearing, depth in display units, position.
  std::function<void(double rangeNm, double bearing, double depth, const GeoPoint& point)> MouseInfo;
  // The cursor position for the plotter; called while neither the left nor the middle button is down.
  std::function<void(const GeoPoint&)> SendCursorToPlotter;
};

class TCameraControl {
public:
  TCameraControl(TMainScene& scene, TSceneView& view, const TMainControls& controls, TChartTerrain& terrain, QWidget& window);

  TCameraHooks Hooks;

  // Takes the cameras' start values into the defaults table; once, at the end of the scene set-up.
  void RegisterDefaults();

  // Selector number (1 … 7) of the current camera; 0 for the roam camera.
  int CurrentNumber() const;
  void btnCamerasClick();
  // Makes a camera current as the selector does, then the common follow-up.
  void SelectCamera(int number);
  void actResetCamExecute();
  void RestoreCamera(scene::Camera& camera, int number) const;
  void btnNorthClick();
  void RoamCamera1Click();
  bool RoamOn() const { return roam_; }

  void GLSceneViewer1MouseDown(QMouseEvent* event);
  void GLSceneViewer1MouseMove(QMouseEvent* event);
  void GLSceneViewer1MouseUp(QMouseEvent* event);
  // Range, bearing and depth of the terrain point under a view position (pixels from top-left).
  void CursorReadoutAt(const QPointF& at);

  void MapUpdate(double latitude, double longitude, double heading);

  float BoatScaleFactor() const;
  // Set when the boat scale should follow the sky camera again; the frame loop clears it.
  bool BoatScalePending = false;
  // The turn of the follow-boat camera that the frame loop adds from the keys.
  float FollowCameraTurn = 0.0f;
  // Height of a boat put on a picked position above the terrain there, in scene units.
  static constexpr float BoatHeightOffset = 0.0f;

private:
  void ApplyCamera(int number);
  void AfterCameraChange();
  bool SourceReady() const;
  glm::vec3 BoatPosition() const;
  // The grid position (−X, Z) of a scene point, for FollowPosition.
  static glm::vec2 FollowGrid(const glm::vec3& scenePoint);
  void SetViewCursor(const QCursor& cursor);

  TMainScene& scene_;
  TSceneView& view_;
  const TMainControls& controls_;
  TChartTerrain& terrain_;
  QWidget& window_;
  QPointF last_;
  bool roam_ = false;
  QCursor leftCursor_;
  QCursor rightCursor_;
};

}  // namespace velmara

#pragma once
// The position boxes of the tool bar and "Goto Location": reading and checking the typed position,
// moving the chart there (new origin, load, boat and sky anchor, cameras), keeping the boxes
// read-only while "Follow Boat" is on, and the decimal-degree value on a right click.
//
// Owned by the main window, given what it needs by reference; main thread only. Work of parts the
// chart does not have here (tracks, marks, legend, plotter, frame loop) goes through the hooks.

#include "app/base/Geodesy.h"
#include "app/view/PositionInput.h"

#include <QObject>
#include <QString>

#include <functional>

class QWidget;

namespace velmara {

class TCameraControl;
class TChartTerrain;
class TMainScene;
class TSceneView;
struct TMainControls;

struct TPositionEntryHooks {
  std::function<void()> EndMarkAction;
  std::function<void()> ClearTrackLines;  // besides clearing and hiding the drawn lines
  std::function<void()> RequestLegendUpdate;
  std::function<void()> UpdatePass;       // the frame loop's update pass (model depth, net estimate)
  std::function<int()> PlotterLinkLevel;
  std::function<void(const GeoPoint&)> SendPositionToPlotter;
  std::function<void()> FollowBoatClick;  // the frame loop's handling of an unticked "Follow Boat"
};

class TPositionEntry : public QObject {
public:
  TPositionEntry(TMainScene& scene, TSceneView& view, const TMainControls& controls, TChartTerrain& terrain, TCameraControl& cameras,
                 QWidget& window);

  TPositionEntryHooks Hooks;
  std::function<void(const QString&)> ShowMessage;
  // A Yes/No question; true for Yes.
  std::function<bool(const QString&)> Ask;
  // Waits the given milliseconds while the window keeps answering.
  std::function<void(int milliseconds)> Sleep;

  // The typed values as they are now.
  TPositionBoxes Boxes() const;
  // Writes a position into the boxes (minutes with two decimals) and the head-up position lines.
  void WritePosition(const GeoPoint& position);

  // "Goto Location": false when the typed position was refused.
  bool btnAcceptPosClick();
  // The boxes follow "Follow Boat": read-only while it is ticked.
  void FollowBoatChanged(bool on);

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void MoveTo(const GeoPoint& position);
  void Lat_1KeyDown(QWidget* box);
  void Lat_1MouseDown(bool latitude);

  TMainScene& scene_;
  TSceneView& view_;
  const TMainControls& controls_;
  TChartTerrain& terrain_;
  TCameraControl& cameras_;
  QWidget& window_;
  bool busy_ = false;
};

}  // namespace velmara

#pragma once
// The chart's main window: owns the scene, the terrain, the boat and the long-lived objects, and
// runs the start-up (FormCreate), the first showing (FormShow), closing (FormClose) and the
// tear-down (FormDestroy). The concerns' handlers live in their own classes.

#include "app/scene/BoatModel.h"
#include "app/scene/MainScene.h"
#include "app/scene/NetScene.h"
#include "app/view/ChartTerrain.h"
#include "app/view/FrameLoop.h"
#include "app/view/TerrainCommands.h"
#include "app/view/StatusLamps.h"
#include "app/view/TerrainLook.h"
#include "scene/record/ViewRecorder.h"
#include "app/view/GraphicsTest.h"
#include "app/view/MainControls.h"
#include "app/view/PaletteToolbar.h"
#include "controls/ImageList.h"
#include "platform/MessagePort.h"

#include <QMainWindow>
#include <QMenu>
#include <QTimer>

#include <memory>

namespace velmara {

class TCameraControl;
class TDemoScenes;
class TDepthUnits;
class TPositionEntry;
class TSceneView;

class TView3Dfrm : public QMainWindow {
public:
  static constexpr const char* PortName = "TView3Dfrm";
  static constexpr std::uint32_t ReloadBoatMessage = 1024 + 80;  // WM_USER + 80
  static constexpr std::uint32_t CloseMessage = 0x0010;          // WM_CLOSE

  TView3Dfrm();
  ~TView3Dfrm() override;

  TMainScene& MainScene() { return *scene_; }
  TSceneView& View() { return *view_; }
  const TMainControls& Controls() const { return controls_; }
  TChartTerrain* Terrain() { return terrain_.get(); }
  TFrameLoop* FrameLoop() { return frameLoop_.get(); }
  TTerrainLook* Look() { return look_.get(); }
  const TBoatModelState& Boat() const { return boat_; }

  // Handlers of this window's own menu items and buttons.
  void btnStartClick();
  void Help2Click();
  void About1Click();
  void mnuViewErrorLogClick();
  void mnuOnScreenKeyboardClick();
  void actBoatPainterExecute();
  void Button1Click();
  void FPSTest1Click();
  const TGraphicsTest& GraphicsTest() const { return test_; }
  TCameraControl* Cameras() { return cameras_.get(); }
  TPositionEntry* PositionEntry() { return position_.get(); }

protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

private:
  void FormCreate();
  void SceneSetUp();
  void FormShow();
  void FormClose();
  void FormDestroy();
  void ConnectHandlers();
  void GLCadencer1Progress(double deltaTime, double newTime);
  void ReloadBoatFromRegistry();
  void ShowMessage(const QString& text);
  // A settings profile's day or night colours and shading level on the terrain.
  void ApplyProfileLook(bool night, int shadingIndex);
  void PlaceBoatAtStart();
  // The boat, the sky anchor and the sea plane at a grid point, on the sea surface.
  void PlaceBoatAt(const TGridPoint& grid);
  void BuildBoatScaleMenu();
  // A control or menu item pressed through the window's port.
  // A key pressed or released in the 3D view, from the port.
  void KeyInView(int key, bool down);
  void Press(std::int64_t nameHash, int item);
  // One "state" line into the error log (see ControlCommands.h).
  void ReportState();
  // The cameras, position entry, depth units and demonstration scenes, once the scene is set up.
  void SetUpNavigation();
  // The boat scale factor: 1 unless the sky camera is current.
  float BoatScaleFactor() const;
  void SpeedTimerTimer();
  void tmrTestTimer();
  void SetInfoText(const std::string& text, float alpha);
  void tmrOneSecTimer();
  void mnuScreenShotClick();
  void CameraRecord1Click(bool ticked);

  std::unique_ptr<TMainScene> scene_;
  TSceneView* view_ = nullptr;
  TImageList lightImages_;
  TImageList darkImages_;
  TMainControls controls_;
  std::unique_ptr<TChartTerrain> terrain_;
  std::unique_ptr<TFrameLoop> frameLoop_;
  std::unique_ptr<TTerrainLook> look_;
  std::unique_ptr<TTerrainCommands> terrainCommands_;
  std::unique_ptr<TStatusLamps> statusLamps_;
  scene::ViewRecorder recorder_;
  QTimer tmrOneSec_;
  int seconds_ = 0;
  std::unique_ptr<TPaletteToolbar> palette_;
  TBoatModelState boat_;
  TNetSceneState net_;
  QMenu* popScaleBoat_ = nullptr;
  std::unique_ptr<platform::MessagePort> port_;
  std::unique_ptr<TCameraControl> cameras_;
  std::unique_ptr<TPositionEntry> position_;
  std::unique_ptr<TDepthUnits> units_;
  std::unique_ptr<TDemoScenes> demos_;
  TGraphicsTest test_;
  QTimer tmrTest_;
  QTimer SpeedTimer_;
  glm::vec3 skyCameraHome_{0.0f, 70.0f, -30.0f};
  QString caption_;
  bool shown_ = false;
  bool destroyed_ = false;
};

}  // namespace velmara

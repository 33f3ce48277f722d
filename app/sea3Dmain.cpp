#include "app/sea3Dmain.h"

#include "app/forms/MyResultsFrm.h"
#include "app/shell/ErrorLog.h"
#include "app/view/ControlCommands.h"
#include "app/shell/GraphicsProbe.h"
#include "app/shell/ProgramValues.h"
#include "app/view/CameraControl.h"
#include "app/view/ControlCommands.h"
#include "app/view/DemoScenes.h"
#include "app/view/DepthUnits.h"
#include "app/view/PositionEntry.h"
#include "app/view/SceneView.h"
#include "controls/KVTLED.h"
#include "controls/KVTTransBtn.h"
#include "platform/ProgramDir.h"
#include "platform/Registry.h"
#include "terrain/ProgressState.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QSessionManager>
#include <QUrl>

#include <algorithm>
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace velmara {
namespace {

constexpr const char* kDefaultBoat = "c:/velmara3D/boats/fishingboats/trawler.obj";

std::string ProgramFile(const std::string& relative) { return Program().ProgramDir + "/" + relative; }

// The program's pictures, from data/pictures as RGBA.
std::shared_ptr<const scene::Image> Picture(const std::string& name) {
  QImage image(QString::fromStdString(ProgramFile("data/pictures/" + name + ".png")));
  if (image.isNull()) return nullptr;
  image = image.convertToFormat(QImage::Format_RGBA8888);
  std::vector<std::uint8_t> rgba(static_cast<std::size_t>(image.width()) * image.height() * 4);
  for (int y = 0; y < image.height(); ++y)
    std::memcpy(rgba.data() + static_cast<std::size_t>(y) * image.width() * 4, image.constScanLine(y), static_cast<std::size_t>(image.width()) * 4);
  return std::make_shared<const scene::Image>(image.width(), image.height(), std::move(rgba));
}

TImageList ToolImages(const char* file) {
  const QPixmap strip(QString::fromStdString(ProgramFile(std::string("data/pictures/") + file)));
  return strip.isNull() ? TImageList(QSize(32, 32)) : TImageList::FromStrip(strip, QSize(32, 32));
}

void Pump() { QCoreApplication::processEvents(QEventLoop::AllEvents, 20); }

}  // namespace

TView3Dfrm::TView3Dfrm() : lightImages_(ToolImages("toolbar-light.png")), darkImages_(ToolImages("toolbar-dark.png")) {
  setObjectName("View3Dfrm");
  scene_ = std::make_unique<TMainScene>(Picture);
  view_ = new TSceneView(scene_->Scene, this);
  controls_ = BuildMainControls(*this, *view_, lightImages_);
  port_ = std::make_unique<platform::MessagePort>(PortName, [this](const platform::TWindowMessage& m) {
    if (m.number == ReloadBoatMessage) ReloadBoatFromRegistry();
    if (m.number == CloseMessage) close();
    if (m.number == PressMessage) Press(m.wParam, static_cast<int>(m.lParam));
    if (m.number == ReportStateMessage) ReportState();
    if (m.number == KeyMessage) KeyInView(static_cast<int>(m.wParam), m.lParam != 0);
    if (m.number == SetPositionMessage && position_) position_->WritePosition({m.wParam * 1e-6, m.lParam * 1e-6});
  });
  ConnectHandlers();
  FormCreate();
}

TView3Dfrm::~TView3Dfrm() { FormDestroy(); }

void TView3Dfrm::ConnectHandlers() {
  auto onClick = [this](const char* name, void (TView3Dfrm::*handler)()) {
    if (auto* button = controls_.Get<TKVTTransparentButton>(name))
      connect(button, &TKVTTransparentButton::OnClick, this, [this, handler] { (this->*handler)(); });
  };
  auto onAction = [this](const char* name, auto handler) {
    if (QAction* action = controls_.Action(name)) connect(action, &QAction::triggered, this, handler);
  };
  onClick("btnStart", &TView3Dfrm::btnStartClick);
  onAction("Exit1", [this] { close(); });
  onAction("Help2", [this] { Help2Click(); });
  onAction("About1", [this] { About1Click(); });
  onAction("mnuViewErrorLog", [this] { mnuViewErrorLogClick(); });
  onAction("mnuOnScreenKeyboard", [this] { mnuOnScreenKeyboardClick(); });
  onAction("actBoatPainter", [this] { actBoatPainterExecute(); });
  onAction("mnuDisplayPaletteToolbar", [this] { btnStartClick(); });
  onClick("Button1", &TView3Dfrm::Button1Click);
  onAction("FPSTest1", [this] { FPSTest1Click(); });
  for (const char* name : {"Button1"})
    if (QWidget* w = controls_.Widgets[name]) w->setEnabled(true);
  if (QAction* item = controls_.Action("FPSTest1")) item->setEnabled(true);
  tmrTest_.setSingleShot(true);
  tmrTest_.setInterval(TGraphicsTest::TestMilliseconds);
  connect(&tmrTest_, &QTimer::timeout, this, [this] { tmrTestTimer(); });
  SpeedTimer_.setInterval(1000);
  connect(&SpeedTimer_, &QTimer::timeout, this, [this] { SpeedTimerTimer(); });
  // A session that ends takes the program with it at once; no close handler runs.
  connect(qApp, &QGuiApplication::commitDataRequest, this, [](QSessionManager&) { std::_Exit(0); });
}

void TView3Dfrm::FormCreate() {
  TProgramValues& program = Program();
  controls_.pnlLeftToolbar->hide();
  if (const std::string note = TextureUnitNote(program.TextureUnitCount); !note.empty() && program.StartupStatus.empty())
    ShowMessage(QString::fromStdString(note));
  // The work area (the window-placement value is 0), one pixel less high.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    if (program.WindowPlacement == 2) {
      setGeometry(0, 0, 800, 600);
    } else if (program.WindowPlacement == 3) {
      setGeometry(0, 0, 1024, 768);
    } else {
      setGeometry(area.x(), area.y(), area.width(), area.height() - 1);
    }
  }
  if (program.StartupStatus != "GRAPHICCARDPROBLEM") {
    SceneSetUp();
  } else {
    controls_.pnlTools->hide();
    view_->hide();
    controls_.pnlLeftToolbar->hide();
    if (auto* system = menuBar()->findChild<QMenu*>("mnuSystem")) system->menuAction()->setEnabled(false);
  }
  TErrorLog(TErrorLog::FileFor(program.ProgramDir)).EnsureGraphicsLine(program.RendererInfo);
  caption_ = "Velmara Graphics Test";
  setWindowTitle(caption_);
}

void TView3Dfrm::SceneSetUp() {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const TProgramValues& program = Program();
  scene_->ApplyCameraResolution(program.CamRes());
  controls_.pnlTools->show();
  view_->show();
  controls_.pnlLeftToolbar->show();
  terrain_ = std::make_unique<TChartTerrain>(*scene_, Pump);
  terrain_->OnError = [](const std::string& message) { TErrorLog(TErrorLog::FileFor(Program().ProgramDir)).Append(message, "terrain"); };
  TChartTerrainSettings settings;
  settings.RasterFile = ProgramFile("data/myIS2nmRaster.dat");
  settings.PaletteFile = ProgramFile("data/pal0.cpt");
  settings.TextureFolder = ProgramFile("data/textures");
  settings.Inshore = program.InshoreMode;
  settings.TextureUnits = program.TextureUnitCount;
  settings.ContourInterval = 5;
  terrain_->StartUp(settings);
  PlaceBoatAtStart();
  TPaletteToolbarContext palette{ProgramPaletteFolders(), UserDir() / "data", program.InshoreMode};
  TPaletteToolbarHooks hooks;
  hooks.ShowMessage = [this](const std::string& text) { ShowMessage(QString::fromStdString(text)); };
  hooks.FocusView = [this] { view_->setFocus(); };
  hooks.ApplyLook = [this](bool night, int shadingIndex) { ApplyProfileLook(night, shadingIndex); };
  palette_ = std::make_unique<TPaletteToolbar>(controls_, *terrain_, *scene_, palette, hooks);
  // The net is built once with the set-up's start values and hidden until one is set.
  BuildNetModel(*scene_, net_, Program().ProgramDir, 0, 0, 0, terrain_->CellSize(), 1.0);
  net_.NetVisible = true;
  ShowNet(*scene_, net_, false);
  scene_->NetCube->setPosition(scene_->BoatCube->position() - glm::vec3(0.0f, 0.0f, 20.0f));
  const TBoatLoadResult boat = LoadBoatModel(*scene_, boat_, ProgramFile("trawler.obj"), kDefaultBoat);
  if (!boat.error.empty()) ShowMessage(QString::fromStdString(boat.error));
  ShowBoatMarkers(*scene_, 1, false);
  BuildBoatScaleMenu();
  frameLoop_ = std::make_unique<TFrameLoop>(*scene_, *view_, controls_, *terrain_, test_, Program().InshoreMode);
  look_ = std::make_unique<TTerrainLook>(*scene_, *terrain_, controls_, lightImages_, darkImages_);
  look_->BoatHeading = [this] { return frameLoop_->BoatHeading(); };
  // Day and night colours load the palette again and apply it.
  look_->OnDayNightChanged = [this] {
    if (palette_) palette_->cbxPaletteClick();
  };
  frameLoop_->Hooks.HeadingChanged = [this](double heading) {
    if (look_->Light.HeadingLight) look_->SetLightDirection(heading, true);
  };
  terrainCommands_ = std::make_unique<TTerrainCommands>(*scene_, *view_, controls_, *terrain_, Program().InshoreMode);
  terrainCommands_->FillMapResolutions(1);
  terrainCommands_->CurrentPosition = [this](double& lat, double& lon) {
    lat = frameLoop_->Latitude();
    lon = frameLoop_->Longitude();
  };
  terrainCommands_->SetBusy = [this](bool busy) { frameLoop_->Paused = busy; };
  terrainCommands_->PlaceBoat = [this](const TGridPoint& grid) {
    PlaceBoatAt(grid);
    frameLoop_->RequestUpdate();
  };
  terrainCommands_->StatusTexts(false, false);
  statusLamps_ = std::make_unique<TStatusLamps>(controls_, frameLoop_->ShipData(), *scene_->hudDisplayInfo);
  statusLamps_->PanelDark = [this] { return look_->PanelDark(); };
  frameLoop_->Hooks.IncomingStatus = [this](std::uint16_t status) {
    statusLamps_->ShowIncomingStatus(status);
    statusLamps_->ColourCheckBoxes();
  };
  if (auto* follow = controls_.Get<QCheckBox>("chkFollow"))
    connect(follow, &QCheckBox::clicked, this, [this] { statusLamps_->ColourCheckBoxes(); });
  tmrOneSec_.setInterval(1000);
  connect(&tmrOneSec_, &QTimer::timeout, this, [this] { tmrOneSecTimer(); });
  if (QAction* shot = controls_.Action("mnuScreenShot")) {
    shot->setEnabled(true);
    connect(shot, &QAction::triggered, this, [this] { mnuScreenShotClick(); });
  }
  if (QAction* record = controls_.Action("CameraRecord1")) {
    record->setEnabled(true);
    connect(record, &QAction::toggled, this, [this](bool ticked) { CameraRecord1Click(ticked); });
  }
  view_->OnFrameRendered = [this] {
    if (recorder_.isRecording()) recorder_.addFrame(view_->Viewer().grabImage());
  };
  // The stored light angle (180 at first) less 180, so that the light angle is the stored one.
  look_->SetLightAngle(180 - 180);
  look_->SetContrast(false);
  // The start-up profile was applied before the look existed: its colours and shading now.
  ApplyProfileLook(!palette_->AppliedProfile().dayColours, palette_->AppliedProfile().shadingIndex);
  if (QAction* light = controls_.Action("mnuLightDirection")) {
    light->setEnabled(true);
    connect(light, &QAction::triggered, this, [this] { look_->ShowLightDialog(this); });
  }
  if (auto* follow = controls_.Get<QCheckBox>("chkFollow")) {
    follow->setEnabled(true);
    connect(follow, &QCheckBox::clicked, this, [this] { frameLoop_->FollowBoatClicked(); });
  }
  view_->Cadencer().setProgress([this](double deltaTime, double newTime) { GLCadencer1Progress(deltaTime, newTime); });
  view_->Cadencer().setEnabled(true);
  view_->Viewer().setCamera(scene_->SkyCamera);
  SetUpNavigation();
  QApplication::restoreOverrideCursor();
}

void TView3Dfrm::SetUpNavigation() {
  cameras_ = std::make_unique<TCameraControl>(*scene_, *view_, controls_, *terrain_, *this);
  cameras_->Hooks.NetShown = [this] { return scene_->NetCube->visible(); };
  cameras_->RegisterDefaults();
  position_ = std::make_unique<TPositionEntry>(*scene_, *view_, controls_, *terrain_, *cameras_, *this);
  position_->ShowMessage = [this](const QString& text) { ShowMessage(text); };
  // After a move the next load takes the automatic range; the frame loop refreshes its read-outs.
  position_->Hooks.RequestLegendUpdate = [this] {
    if (palette_) palette_->LocationChanged();
  };
  position_->Hooks.UpdatePass = [this] { frameLoop_->RequestUpdate(); };
  position_->Hooks.FollowBoatClick = [this] { frameLoop_->FollowBoatClicked(); };
  units_ = std::make_unique<TDepthUnits>(controls_, *view_);
  demos_ = std::make_unique<TDemoScenes>(controls_, *terrain_, *position_);
  demos_->ShowMessage = [this](const QString& text) { ShowMessage(text); };
  demos_->DataDir = ProgramFile("data");
  auto onClick = [this](const char* name, auto handler) {
    if (auto* button = controls_.Get<TKVTTransparentButton>(name)) {
      button->setEnabled(true);
      connect(button, &TKVTTransparentButton::OnClick, this, handler);
    }
  };
  auto onAction = [this](const char* name, auto handler) {
    if (QAction* action = controls_.Action(name)) {
      action->setEnabled(true);
      connect(action, &QAction::triggered, this, handler);
    }
  };
  onClick("btnCameras", [this] { cameras_->btnCamerasClick(); });
  onAction("mnuCameraSelector", [this] { cameras_->btnCamerasClick(); });
  onAction("actResetCam", [this] { cameras_->actResetCamExecute(); });
  onClick("btnNorth", [this] { cameras_->btnNorthClick(); });
  onAction("RoamCamera1", [this] { cameras_->RoamCamera1Click(); });
  // The view's mouse goes to the boat's menu first, then to navigation.
  auto boatMenu = view_->OnMouseDown;
  view_->OnMouseDown = [this, boatMenu](QMouseEvent* event) {
    if (boatMenu) boatMenu(event);
    cameras_->GLSceneViewer1MouseDown(event);
  };
  view_->OnMouseMove = [this](QMouseEvent* event) { cameras_->GLSceneViewer1MouseMove(event); };
  view_->OnMouseUp = [this](QMouseEvent* event) { cameras_->GLSceneViewer1MouseUp(event); };
}

void TView3Dfrm::ApplyProfileLook(bool night, int shadingIndex) {
  if (!look_) return;
  if (night != look_->Night) look_->SetDayNight(night);
  look_->ApplyShading(std::clamp(shadingIndex, 0, 4));
}

void TView3Dfrm::PlaceBoatAtStart() { PlaceBoatAt(terrain_->StartPoint()); }

void TView3Dfrm::PlaceBoatAt(const TGridPoint& start) {
  const glm::vec3 scale = scene_->TerrainRenderer1->scale();
  const glm::vec3 boat(static_cast<float>(-start.x) * scale.x, 0.0f, static_cast<float>(start.y) * scale.y);
  scene_->BoatCube->setPosition(boat);
  scene_->SkyCube->setPosition(boat);
  scene_->SeaPlane->setPosition({boat.x, 0.0f, boat.z});
}

void TView3Dfrm::ReportState() {
  auto lamp = [this](const char* name) {
    const auto* led = controls_.Get<TKVTLED>(name);
    return led && led->Status() ? 1 : 0;
  };
  auto text = [this](const char* name) -> std::string {
    QWidget* widget = controls_.Get<QWidget>(name);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) return edit->text().toStdString();
    if (auto* list = qobject_cast<QComboBox*>(widget)) return list->currentText().toStdString();
    return "";
  };
  const auto* follow = controls_.Get<QCheckBox>("chkFollow");
  const auto* gps = controls_.Get<TKVTLED>("ledGPS");
  // The position boxes as the skipper reads them, without blanks: degrees|minutes|hemisphere.
  const std::string boxes = " boxLat=" + text("Lat_1") + "|" + text("Lat_2") + "|" + text("cbxN") + " boxLon=" + text("Long_1") + "|" +
                            text("Long_2") + "|" + text("cbxE");
  // The heads-up "Model Depth" value, its number only ("34.7 m" gives 34.7).
  std::string modelDepth = "0";
  if (const int at = scene_->hudDisplayInfo->IndexOfTitle("Model Depth"); at >= 0) {
    const std::string value = scene_->hudDisplayInfo->Lines()[static_cast<std::size_t>(at)].Item;
    if (!value.empty()) modelDepth = value.substr(0, value.find(' '));
  }
  const std::string readOuts = boxes + " modelDepth=" + modelDepth;
  char line[160];
  std::snprintf(line, sizeof line, "state lat=%.5f lon=%.5f follow=%d nautrec=%d gps=%d depth=%d unit=%s", frameLoop_ ? frameLoop_->Latitude() : 0.0,
                frameLoop_ ? frameLoop_->Longitude() : 0.0, follow && follow->isChecked() ? 1 : 0, lamp("ledNautrec"), lamp("ledGPS"),
                lamp("ledDepth"), UnitLabel(Program().DepthUnit));
  TErrorLog(TErrorLog::FileFor(Program().ProgramDir))
      .Append(std::string(line) + readOuts + " gpsHint=" + (gps ? gps->toolTip().toStdString() : std::string()), "state");
}

void TView3Dfrm::KeyInView(int key, bool down) {
  activateWindow();
  view_->setFocus(Qt::OtherFocusReason);
  QKeyEvent event(down ? QEvent::KeyPress : QEvent::KeyRelease, key, Qt::NoModifier);
  QApplication::sendEvent(view_, &event);
}

void TView3Dfrm::Press(std::int64_t nameHash, int item) {
  for (const auto& [name, widget] : controls_.Widgets) {
    if (ControlNameHash(name.toStdString()) != nameHash || !widget->isEnabled()) continue;
    if (auto* button = qobject_cast<TKVTTransparentButton*>(widget)) emit button->OnClick();
    if (auto* check = qobject_cast<QCheckBox*>(widget)) check->click();
    if (auto* list = qobject_cast<QComboBox*>(widget); list && item >= 0 && item < list->count()) {
      list->setCurrentIndex(item);
      emit list->activated(item);
    }
    return;
  }
  for (const auto& [name, action] : controls_.Actions)
    if (ControlNameHash(name.toStdString()) == nameHash && action->isEnabled()) action->trigger();
}

void TView3Dfrm::BuildBoatScaleMenu() {
  popScaleBoat_ = new QMenu(this);
  popScaleBoat_->setObjectName("popScaleBoat");
  const struct {
    const char* caption;
    int mode;
  } items[] = {{"Scale boat up      (+)", 0}, {"Scale boat down  (-)", 1}, {"Reset boat scale", 2}};
  for (const auto& item : items) {
    QAction* action = popScaleBoat_->addAction(item.caption);
    const int mode = item.mode;
    connect(action, &QAction::triggered, this, [this, mode] { ApplyBoatScale(*scene_, boat_, mode, BoatScaleFactor()); });
  }
  popScaleBoat_->addAction("Boat Model Editor", this, [this] { actBoatPainterExecute(); });
  // A right click on the boat opens the menu.
  view_->OnMouseDown = [this](QMouseEvent* event) {
    if (event->button() != Qt::RightButton) return;
    const QPointF at = event->position();
    const scene::PickHit hit = view_->Viewer().pick({static_cast<float>(at.x()), static_cast<float>(view_->height() - at.y())});
    for (const scene::SceneObject* object = hit.object; object; object = object->parent())
      if (object == scene_->BoatForm) {
        popScaleBoat_->popup(event->globalPosition().toPoint());
        return;
      }
  };
}

float TView3Dfrm::BoatScaleFactor() const { return cameras_ ? cameras_->BoatScaleFactor() : 1.0f; }

void TView3Dfrm::keyPressEvent(QKeyEvent* event) {
  // Shift+B with + or - scales the boat up or down.
  if ((event->modifiers() & Qt::ShiftModifier) && view_->KeyDown(Qt::Key_B)) {
    if (event->key() == Qt::Key_Plus) ApplyBoatScale(*scene_, boat_, 0, BoatScaleFactor());
    if (event->key() == Qt::Key_Minus || event->key() == Qt::Key_Underscore) ApplyBoatScale(*scene_, boat_, 1, BoatScaleFactor());
  }
  QMainWindow::keyPressEvent(event);
}

void TView3Dfrm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shown_) return;
  shown_ = true;
  FormShow();
}

void TView3Dfrm::FormShow() {
  const std::string& status = Program().StartupStatus;
  if (status == "GRAPHICCARDPROBLEM" || status == "MISSINGDB") {
    view_->Cadencer().setEnabled(false);
    QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    return;
  }
  if (!isMinimized()) view_->setFocus();
  if (auto* plotter = controls_.Get<TKVTTransparentButton>("btnPlotter")) plotter->SetAllImages(&lightImages_, 18);
  // The sky camera a little round from straight behind, and the palette tool bar shown.
  scene_->SkyCamera->moveAroundTarget(0.0f, 40.0f);
  controls_.pnlLeftToolbar->hide();
  btnStartClick();
  tmrOneSec_.start();
  if (statusLamps_) {
    statusLamps_->CheckLamps();
    statusLamps_->ColourCheckBoxes();
  }
  // Choosing the depth palette at the first showing arms the intro fade of the graphics test.
  SetInfoText("Velmara 3D Graphics Test", 1.0f);
  test_.ArmFade();
}

void TView3Dfrm::SetInfoText(const std::string& text, float alpha) {
  scene_->InfoText->setText(text);
  scene_->InfoText->setColour(scene::Colour(0.0f, 0.0f, 0.0f, alpha));
  scene_->InfoText->setVisible(!text.empty());
}

void TView3Dfrm::Button1Click() {
  FPSTest1Click();
  if (scene::Camera* camera = view_->Viewer().camera()) camera->moveAroundTarget(20.0f, 0.0f);
}

void TView3Dfrm::FPSTest1Click() {
  test_.Start();
  // The sky camera from where it started, circling the boat.
  scene_->SkyCube->setPosition(scene_->BoatCube->position());
  scene_->SkyCamera->setPosition(skyCameraHome_);
  view_->Viewer().setCamera(scene_->SkyCamera);
  view_->Viewer().resetPerformanceMonitor();
  SpeedTimer_.start();
  tmrTest_.start();
}

void TView3Dfrm::tmrOneSecTimer() {
  if (!terrain_ || terrain_->Source().State() != 2) return;
  if (frameLoop_->BoatScalePending()) {
    const float b = BoatScaleFactor();
    ApplyBoatScale(*scene_, boat_, 3, b);
    scene_->GLHeadingVector->setScale({b * 0.3f, b * 0.3f, 1.0f});
    frameLoop_->ClearBoatScalePending();
  }
  // The lamps follow the programs they watch every few seconds.
  if (seconds_ % 5 == 0) statusLamps_->CheckLamps();
  seconds_ = seconds_ >= 20 ? 0 : seconds_ + 1;
}

void TView3Dfrm::mnuScreenShotClick() {
  QCoreApplication::processEvents();
  const QPixmap screen = QGuiApplication::primaryScreen()->grabWindow(0);
  const QString file = QFileDialog::getSaveFileName(this, "Take Screen Shot", QString(), "JPEG picture (*.jpg *.jpeg)");
  if (file.isEmpty()) return;
  screen.save(file.endsWith(".jpg", Qt::CaseInsensitive) || file.endsWith(".jpeg", Qt::CaseInsensitive) ? file : file + ".jpg", "JPG");
}

void TView3Dfrm::CameraRecord1Click(bool ticked) {
  if (ticked) {
    if (recorder_.isRecording()) return;
    const qreal ratio = view_->devicePixelRatioF();
    // A recorder that cannot start counts as not running; the item stays ticked.
    const scene::Status started = recorder_.start(std::filesystem::path(Program().ProgramDir) / "VelmaraMov.avi",
                                                  static_cast<int>(view_->width() * ratio), static_cast<int>(view_->height() * ratio), 25);
    if (!started) TErrorLog(TErrorLog::FileFor(Program().ProgramDir)).Append(started.error(), "Camera Record");
    return;
  }
  if (!recorder_.isRecording()) return;
  recorder_.stop();
  ShowMessage("Recording Stopped. file called VelmaraMov.avi");
}

void TView3Dfrm::SpeedTimerTimer() {
  const double fps = view_->Viewer().framesPerSecond();
  // The "Debug Msg" line of the heads-up list carries the read-out.
  TGLKVTMenu& menu = *scene_->hudDisplayInfo;
  if (menu.SetItem("Debug Msg", FrameRateLine(fps, static_cast<long long>(scene_->TerrainRenderer1->lastTriangleCount()))))
    menu.Lines()[static_cast<std::size_t>(menu.IndexOfTitle("Debug Msg"))].Visible = true;
  test_.AddSecond(fps);
  view_->Viewer().resetPerformanceMonitor();
}

void TView3Dfrm::tmrTestTimer() {
  tmrTest_.stop();
  test_.Stop();
  SetInfoText("Graphics Test Complete", 1.0f);
  TErrorLog(TErrorLog::FileFor(Program().ProgramDir)).Append(ResultText(test_.Result()), "graphics test");
  TfrmMyResults results(test_.Result(), this);
  if (results.exec() == TfrmMyResults::Retry) {
    SetInfoText("Testing Graphics... Please Wait", 1.0f);
    Button1Click();
    return;
  }
  close();
}

void TView3Dfrm::btnStartClick() {
  auto* button = controls_.Get<TKVTTransparentButton>("btnStart");
  QAction* item = controls_.Action("mnuDisplayPaletteToolbar");
  const bool show = controls_.pnlLeftToolbar->isHidden();
  controls_.pnlLeftToolbar->setVisible(show);
  if (item) item->setChecked(show);
  if (button) button->setToolTip(show ? "Hide Palette toolbar" : "Show Palette toolbar");
}

void TView3Dfrm::GLCadencer1Progress(double deltaTime, double) {
  if (palette_) palette_->AfterFrame();
  if (test_.FadeArmed()) {
    if (test_.AdvanceFade(deltaTime)) {
      Button1Click();
      SetInfoText("Testing Graphics... Please Wait", 1.0f);
    } else {
      SetInfoText(scene_->InfoText->text(), test_.Alpha());
    }
  }
  if (frameLoop_) frameLoop_->Progress(deltaTime);
}

void TView3Dfrm::closeEvent(QCloseEvent* event) {
  FormClose();
  event->accept();
}

void TView3Dfrm::FormClose() {
  try {
    tmrTest_.stop();
    SpeedTimer_.stop();
    tmrOneSec_.stop();
    if (recorder_.isRecording()) recorder_.stop();
    view_->Cadencer().setEnabled(false);
  } catch (const std::exception& error) {
    ShowMessage(error.what());
  }
}

void TView3Dfrm::FormDestroy() {
  if (destroyed_) return;
  destroyed_ = true;
  // The view's GL objects go first, while its context still exists; then the source, whose
  // loading thread must finish before the renderer that draws its tiles goes.
  view_->SetRunning(false);
  view_->Release();
  Pump();
  terrainCommands_.reset();
  look_.reset();
  palette_.reset();
  frameLoop_.reset();
  if (terrain_) terrain_->Shutdown();
  Pump();
  terrain_.reset();
  port_.reset();
}

void TView3Dfrm::ReloadBoatFromRegistry() {
  std::string path = "c:/velmara3D/boats/fishingboats/trawler.obj";
  platform::TRegistry registry;
  if (registry.OpenKeyReadOnly("\\SOFTWARE\\KVT\\Velmara")) {
    if (const auto value = registry.ReadString("BoatModelPath")) path = *value;
  } else {
    ShowMessage("Software not correctly installed");
  }
  const TBoatLoadResult result = LoadBoatModel(*scene_, boat_, path, kDefaultBoat);
  if (!result.error.empty()) ShowMessage(QString::fromStdString(result.error));
}

void TView3Dfrm::Help2Click() {
  const std::string own = ProgramFile("VelmaraHelp.html");
  const std::string help = std::filesystem::exists(own) ? own : ProgramFile("data/help/VelmaraHelp.html");
  QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(help)));
}

void TView3Dfrm::About1Click() { QMessageBox::about(this, "About", caption_ + "\nVelmara 3D sea-bed chart"); }

void TView3Dfrm::mnuViewErrorLogClick() {
  const TErrorLog log(TErrorLog::FileFor(Program().ProgramDir));
  if (!log.Exists()) {
    ShowMessage("No errors reported.");
    return;
  }
  QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(log.File().string())));
}

void TView3Dfrm::mnuOnScreenKeyboardClick() { QProcess::startDetached("onboard", {}); }

void TView3Dfrm::actBoatPainterExecute() {
  const std::string editor = ProgramFile("boateditor");
  if (!std::filesystem::exists(editor) || !QProcess::startDetached(QString::fromStdString(editor), {})) ShowMessage("Missing boat editor.");
}

void TView3Dfrm::ShowMessage(const QString& text) {
  // Tests and unattended runs see messages in the error log instead of a box nobody closes.
  if (std::getenv("VELMARA_NO_MESSAGE_BOXES")) {
    TErrorLog(TErrorLog::FileFor(Program().ProgramDir)).Append(text.toStdString(), "message");
    return;
  }
  QMessageBox::information(this, windowTitle(), text);
}

}  // namespace velmara

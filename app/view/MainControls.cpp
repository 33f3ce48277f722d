#include "app/view/MainControls.h"

#include "app/view/SceneView.h"
#include "controls/IASciEdit.h"
#include "controls/ImageList.h"
#include "controls/KVTLED.h"
#include "controls/KVTPanel.h"
#include "controls/KVTTransBtn.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSpinBox>
#include <QVBoxLayout>

namespace velmara {
namespace {

enum class Kind { Button, Label, Combo, Number, Check, Spin, Lamp, Legend };

struct ControlSpec {
  const char* name;
  Kind kind;
  const char* caption;
  const char* hint;
  int image = -1;        // tool-bar picture
  bool enabled = false;  // wired already
  int row = 0;           // controls of one nonzero row sit side by side
};

// Tool bar across the top.
const ControlSpec kTools[] = {
    {"btnCameras", Kind::Button, "Cameras", "Cameras", 0},
    {"btnMapView", Kind::Button, "", "Map View", 1},
    {"btnNorth", Kind::Button, "", "Point North", 2},
    {"btnPlotter", Kind::Button, "", "Plotter", 18},
    {"btnBearing", Kind::Button, "", "Bearing Tool", 3},
    {"btnNavigator", Kind::Button, "", "Navigator", 4},
    {"Lat_1", Kind::Number, "41", "Latitude degrees"},
    {"Lat_2", Kind::Number, "13.00", "Latitude decimal minutes"},
    {"cbxN", Kind::Combo, "S", "North or South"},
    {"Long_1", Kind::Number, "174", "Longitude degrees"},
    {"Long_2", Kind::Number, "19.45", "Longitude decimal minutes"},
    {"cbxE", Kind::Combo, "E", "East or West"},
    {"btnAcceptPos", Kind::Button, "", "Goto Location", 5},
    {"btnStart", Kind::Button, "", "Hide Palette toolbar", 6, true},
    {"btnSplit", Kind::Button, "", "Split View", 7},
};

const ControlSpec kDemo[] = {
    {"Button1", Kind::Button, "Run FPS Test", "Run FPS Test"},
    {"btnScene1", Kind::Button, "Inshore 2nm", "Torry Channel NZ"},
    {"btnScene2", Kind::Button, "Inshore 20nm", "Torry Channel NZ"},
    {"btnScene3", Kind::Button, "Deepsea 5nm", "Cook Strait NZ"},
    {"btnScene4", Kind::Button, "Deepsea 20nm", "Cook Strait NZ"},
};

// Palette tool bar down the left side.
const ControlSpec kPalette[] = {
    {"cbxSavedSettings", Kind::Combo, "#Inshore", "Saved settings"},
    {"cbxPalette", Kind::Combo, "", "Palette"},
    {"minDepth", Kind::Combo, "0", "Minimum depth"},
    {"maxDepth", Kind::Combo, "100", "Maximum depth"},
    {"btnColorFlat", Kind::Button, "", "Block palette colors", 8, false, 1},
    {"btnColorSmooth", Kind::Button, "", "Smooth palette colours", 9, false, 1},
    {"btnDepth", Kind::Button, "D", "Depth Palette", -1, false, 2},
    {"btnHard", Kind::Button, "H", "Hardness Palette", -1, false, 2},
    {"btnRough", Kind::Button, "R", "Roughness Palette", -1, false, 2},
    {"lblType", Kind::Label, "Depth", ""},
    {"btnApply", Kind::Button, "Apply Changes", "apply changes above", -1, false, 3},
    {"btnAuto", Kind::Button, "Auto", "Auto adjust palette colour range", -1, false, 3},
    {"btnDelete", Kind::Button, "", "delete current palette", 24, false, 4},
    {"btnShading", Kind::Button, "", "Shading level on terrain", 10, false, 4},
    {"cbxShading", Kind::Combo, "100%", ""},
    {"lblShading", Kind::Label, "100%", "", -1, false, 4},
    {"btnSun", Kind::Button, "", "day colors", 12, false, 5},
    {"btnMoon", Kind::Button, "", "Night colors", 26, false, 5},
    {"btnContours", Kind::Button, "", "Contouring", 14, false, 6},
    {"lblContouring", Kind::Label, "Contouring On", ""},
    {"cbxContourInterval", Kind::Combo, "100", "Contour interval"},
    {"lblUnit", Kind::Label, "m", ""},
    {"DepthLegend", Kind::Legend, "", ""},
    {"lblVE", Kind::Label, "Vertical scale", "", -1, false, 7},
    {"VEEdit", Kind::Spin, "", "Vertical scale", -1, false, 7},
    {"lblWireOut", Kind::Label, "Wire out", "", -1, false, 8},
    {"spnWireOut", Kind::Spin, "", "Wire out", -1, false, 8},
    {"btnPalEditor", Kind::Button, "", "Palette editor", 15, false, 6},
};

// Status bar along the bottom.
const ControlSpec kStatus[] = {
    {"ledNautrec", Kind::Lamp, "", "Nautrec"},
    {"ledNautbase", Kind::Lamp, "", "Nautbase"},
    {"ledFirebird", Kind::Lamp, "", "Database server"},
    {"ledGPS", Kind::Lamp, "", "GPS"},
    {"ledDepth", Kind::Lamp, "", "Depth"},
    {"ledRH", Kind::Lamp, "", "Hardness"},
    {"chkFollow", Kind::Check, "Follow Boat", ""},
    {"chkRecordData", Kind::Check, "Record Data", ""},
    {"cbxMapResolution", Kind::Combo, "", "Map resolution"},
    {"cbxPlots", Kind::Combo, "", "Plots"},
    {"txtDepth", Kind::Label, "", ""},
    {"txtMouse", Kind::Label, "", ""},
    {"txtAlt", Kind::Label, "Mode: Sea  Alt: Sealevel", ""},
    {"txtLake", Kind::Label, "", ""},
};

QWidget* makeControl(const ControlSpec& control, QWidget* parent, const TImageList& images) {
  QWidget* widget = nullptr;
  switch (control.kind) {
    case Kind::Button: {
      auto* button = new TKVTTransparentButton(parent, control.name);
      button->SetCaption(control.caption);
      if (control.image >= 0 && control.image < images.Count()) button->SetAllImages(&images, control.image);
      if (control.image >= 0) button->setProperty("imageIndex", control.image);
      button->setMinimumSize(control.image >= 0 && *control.caption == 0 ? QSize(34, 34) : QSize(28, 28));
      widget = button;
      break;
    }
    case Kind::Label:
      widget = new QLabel(control.caption, parent);
      break;
    case Kind::Combo: {
      auto* combo = new QComboBox(parent);
      if (*control.caption) combo->addItem(control.caption);
      widget = combo;
      break;
    }
    case Kind::Number: {
      auto* edit = new TIASciEdit(parent, control.name);
      edit->setText(control.caption);
      edit->setMaximumWidth(56);
      widget = edit;
      break;
    }
    case Kind::Check:
      widget = new QCheckBox(control.caption, parent);
      break;
    case Kind::Spin:
      widget = new QSpinBox(parent);
      break;
    case Kind::Lamp: {
      auto* lamp = new TKVTLED(parent, control.name);
      lamp->setFixedSize(20, 20);
      widget = lamp;
      break;
    }
    case Kind::Legend:
      widget = new QWidget(parent);
      widget->setMinimumSize(60, 160);
      break;
  }
  widget->setObjectName(control.name);
  if (*control.hint) widget->setToolTip(control.hint);
  widget->setEnabled(control.enabled || control.kind == Kind::Label || control.kind == Kind::Lamp || control.kind == Kind::Legend);
  return widget;
}

template <std::size_t N>
void addControls(const ControlSpec (&specs)[N], QWidget* parent, QBoxLayout* layout, const TImageList& images, TMainControls& controls) {
  QHBoxLayout* row = nullptr;
  int rowNumber = 0;
  for (const ControlSpec& control : specs) {
    QWidget* widget = makeControl(control, parent, images);
    if (control.row == 0) {
      layout->addWidget(widget);
    } else {
      if (!row || control.row != rowNumber) {
        row = new QHBoxLayout();
        row->setSpacing(2);
        layout->addLayout(row);
        rowNumber = control.row;
      }
      row->addWidget(widget);
    }
    controls.Widgets[control.name] = widget;
  }
}

// A menu item: name, caption, checkable, checked, wired.
struct MenuSpec {
  const char* name;
  const char* caption;
  bool checkable = false;
  bool checked = false;
  bool enabled = false;
};

struct SubMenu {
  const char* title;
  std::vector<MenuSpec> items;
};

struct TopMenu {
  const char* name;
  const char* title;
  std::vector<SubMenu> subMenus;  // a submenu with an empty title adds its items directly
};

const std::vector<TopMenu>& menuTable() {
  static const std::vector<TopMenu> menus = {
      {"mnuSystem",
       "&System",
       {{"Data Maintenance", {{"Backup1", "Backup"}, {"Restore1", "Restore"}, {"ValidateDatabase1", "Validate Database"}}},
        {"Depth Units", {{"Meters1", "Meters", true, true}, {"Fathoms1", "Fathoms", true}, {"Feet1", "Feet", true}}},
        {"Cameras",
         {{"mnuCameraSelector", "Camera Selector"}, {"actResetCam", "Reset Camera"}, {"mnuKeepBoatInView", "Keep boat in view with SkyCam", true}}},
        {"System Mode", {{"mnuSeaMode", "Sea", true, true}, {"mnuLakesMode", "Lakes...", true}}},
        {"",
         {{"mnuRoughSeas", "Rough Sea Mode", true},
          {"mnuVelmaraSetup", "Velmara Setup..."},
          {"mnuPlotterSetup", "Keelplot Setup..."},
          {"Exit1", "E&xit", false, false, true}}}}},
      {"mnuDisplay",
       "&Display",
       {{"",
         {{"mnuDisplayModelDepth", "Display Model Depth", true},
          {"mnuDisplayWireout", "Display Wireout", true},
          {"mnuTrawlInfo", "Display Trawl Info", true},
          {"mnuDisplayPaletteToolbar", "Display Palette Toolbar", true, true, true},
          {"mnuDisplaySeaSurface", "Display Sea Surface", true},
          {"actRefresh", "Refresh Terrain"},
          {"mnuDynamicDepth", "Dynamic Depth Rendering", true, true},
          {"mnuDynamicHardness", "Dynamic Hardness Rendering", true},
          {"mnuDynamicRoughness", "Dynamic Roughness Rendering", true}}}}},
      {"mnuTools",
       "&Tools",
       {{"",
         {{"actBoatPainter", "Boat Model Editor", false, false, true},
          {"actPaletteEditor", "Colour Palette Editor"},
          {"mnuLightDirection", "Light Direction"},
          {"mnuOnScreenKeyboard", "On-Screen Keyboard", false, false, true},
          {"mnuScreenShot", "Take Screen Shot"}}}}},
      {"mnuHelp",
       "&Help",
       {{"", {{"Help2", "Help", false, false, true}, {"About1", "About", false, false, true}}},
        {"Support", {{"mnuViewErrorLog", "View Error Log", false, false, true}, {"mnuSystemInformation", "System Information"}}}}},
      {"mnuDebug",
       "De&bug",
       {{"",
         {{"mnuToggleFPS", "Toggle FPS"},
          {"FPSTest1", "FPS Test"},
          {"mnuShowITISphere", "Show ITI Sphere", true},
          {"mnuShowSearchArea", "Show Search Area", true},
          {"mnuShowBoatCameras", "Show Boat Cameras", true},
          {"mnuShowGridSize", "Show GridSize"},
          {"RoamCamera1", "Roam Camera", true},
          {"mnuWireFrame", "Wire Frame", true},
          {"mnuDisplaySeaLevel", "Display sea level", true},
          {"mnuShowErrors", "Show Errors", true},
          {"CameraRecord1", "Camera Record", true}}}}},
  };
  return menus;
}

void buildMenus(QMenuBar& bar, TMainControls& controls) {
  for (const TopMenu& top : menuTable()) {
    QMenu* menu = bar.addMenu(top.title);
    menu->setObjectName(top.name);
    for (const SubMenu& sub : top.subMenus) {
      QMenu* target = *sub.title ? menu->addMenu(sub.title) : menu;
      for (const MenuSpec& item : sub.items) {
        QAction* action = target->addAction(item.caption);
        action->setObjectName(item.name);
        action->setCheckable(item.checkable);
        action->setChecked(item.checked);
        action->setEnabled(item.enabled);
        controls.Actions[item.name] = action;
      }
    }
  }
}

QWidget* panel(const char* name, QWidget* parent) {
  auto* p = new TKVTPanel(parent, name);
  p->setObjectName(name);
  p->setAutoFillBackground(true);
  return p;
}

}  // namespace

TMainControls BuildMainControls(QMainWindow& window, TSceneView& view, const TImageList& images) {
  TMainControls controls;
  auto* central = new QWidget(&window);
  central->setObjectName("centralWidget");
  auto* outer = new QVBoxLayout(central);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->setSpacing(0);

  auto* top = new QWidget(central);
  auto* topRow = new QHBoxLayout(top);
  topRow->setContentsMargins(2, 2, 2, 2);
  controls.pnlTools = panel("pnlTools", top);
  auto* tools = new QHBoxLayout(controls.pnlTools);
  tools->setContentsMargins(4, 2, 4, 2);
  addControls(kTools, controls.pnlTools, tools, images, controls);
  controls.Panel1 = panel("Panel1", top);
  auto* demo = new QHBoxLayout(controls.Panel1);
  demo->setContentsMargins(4, 2, 4, 2);
  auto* demoCaption = new QLabel("Demo options", controls.Panel1);
  demoCaption->setObjectName("lblDemoOptions");
  demo->addWidget(demoCaption);
  addControls(kDemo, controls.Panel1, demo, images, controls);
  topRow->addWidget(controls.pnlTools);
  topRow->addWidget(controls.Panel1);
  topRow->addStretch();
  outer->addWidget(top);

  auto* middle = new QHBoxLayout();
  middle->setSpacing(0);
  controls.pnlLeftToolbar = panel("pnlLeftToolbar", central);
  auto* left = new QVBoxLayout(controls.pnlLeftToolbar);
  left->setContentsMargins(4, 4, 4, 4);
  left->setSpacing(3);
  addControls(kPalette, controls.pnlLeftToolbar, left, images, controls);
  left->addStretch();
  controls.pnlLeftToolbar->setFixedWidth(150);
  controls.pnlRight = panel("pnlRight", central);
  auto* right = new QVBoxLayout(controls.pnlRight);
  right->setContentsMargins(0, 0, 0, 0);
  view.setParent(controls.pnlRight);
  right->addWidget(&view);
  middle->addWidget(controls.pnlLeftToolbar);
  middle->addWidget(controls.pnlRight, 1);
  outer->addLayout(middle, 1);

  controls.panStatus = panel("panStatus", central);
  auto* status = new QHBoxLayout(controls.panStatus);
  status->setContentsMargins(4, 2, 4, 2);
  addControls(kStatus, controls.panStatus, status, images, controls);
  status->addStretch();
  outer->addWidget(controls.panStatus);
  window.setCentralWidget(central);
  buildMenus(*window.menuBar(), controls);
  return controls;
}

}  // namespace velmara

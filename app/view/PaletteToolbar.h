#pragma once
// The palette tool bar down the left of the main window (`pnlLeftToolbar`) and the settings
// profiles it offers: the palette list, the range boxes with their lists, block or smooth colours,
// the depth / hardness / roughness kinds, "Apply Changes", "Auto" with its area commands, deleting
// a custom palette, contouring and its interval, the vertical scale and the legend. It owns the
// hardness and roughness palettes and the palette settings record; the depth palette is the
// terrain's. Everything runs on the main thread; the handlers catch their own failures.
//
// The main window makes one after the terrain's first load and calls AfterFrame once per frame.

#include "app/scene/MainScene.h"
#include "app/settings/PaletteSettings.h"
#include "app/settings/SettingsProfile.h"
#include "app/view/ChartTerrain.h"
#include "app/view/DepthLegendView.h"
#include "app/view/MainControls.h"
#include "colour/DepthPalette.h"
#include "colour/PaletteFiles.h"

#include <QObject>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QComboBox;
class QMenu;
class QSpinBox;
class QLabel;

namespace velmara {

class TKVTTransparentButton;

// Where the tool bar finds its files and the program-wide values it reads.
struct TPaletteToolbarContext {
  TPaletteFolders Palettes;
  std::filesystem::path ProfileFolder;  // the "*.sett" files
  bool Inshore = true;
  int PlotterType = 2;
  int ScreenScale = 100;  // per cent
  TDepthUnit Unit = TDepthUnit::Metres;
  bool LakeMode = false;
  double LakeAltitude = 0;  // metres; 0 at sea
};

// What the tool bar asks of its window. Any hook left empty gets a plain default (message boxes
// on the tool bar's window, the text-input dialog, the system beep; nothing for the others).
struct TPaletteToolbarHooks {
  std::function<void(const std::string&)> ShowMessage;
  // A warning with an OK button (after a beep).
  std::function<void(const std::string&)> ShowWarning;
  // A Yes/No question; true for Yes.
  std::function<bool(const std::string&)> Confirm;
  // The text-input dialog: caption, prompt and the text it starts with; nothing on Cancel.
  std::function<std::optional<std::string>(const std::string&, const std::string&, const std::string&)> AskText;
  std::function<void()> Beep;
  // The terrain's range or scale changed: put the boat and the track lines back on it.
  std::function<void()> TerrainChanged;
  // Rebuild the marks and lines after "Apply Changes".
  std::function<void()> RefreshMarks;
  // Give the keyboard to the 3D view.
  std::function<void()> FocusView;
  // A profile's day or night colours and shading level, for the terrain's look to apply.
  std::function<void(bool night, int shadingIndex)> ApplyLook;
};

class TPaletteToolbar : public QObject {
public:
  // Wires the tool bar's controls (found by name in `controls`) and runs the start-up: the palette
  // list, the system profile (or the first-run values without one), every palette loaded and the
  // depth kind chosen. `terrain` must have its source and has its range set by the tool bar from
  // now on. All references must outlive this object.
  TPaletteToolbar(const TMainControls& controls, TChartTerrain& terrain, TMainScene& scene, TPaletteToolbarContext context,
                  TPaletteToolbarHooks hooks = {});
  ~TPaletteToolbar() override;

  // Runs an "Auto" that the start-up or a profile asked for, once a frame has been drawn.
  void AfterFrame();
  // Sets the range after a finished load (the terrain calls it): the automatic range after a move
  // to a new location, else the current range again.
  void AfterLoad();
  // A "Goto Location" happened: the next load takes the automatic range.
  void LocationChanged() { locationChanged_ = true; }

  // The handlers, by control and event.
  void cbxPaletteClick();
  void minDepthChange();
  void btnColorFlatClick();
  void btnColorSmoothClick();
  void btnDepthClick();
  void btnHardClick();
  void btnRoughClick();
  void btnApplyClick();
  // "Imediate area" (2), "Half area" (1), "Full Area" (0): all compute over the loaded map.
  void AreaClick(int area);
  void btnDeleteClick();
  void btnContoursClick();
  void cbxContourIntervalChange();
  void VEEditChange();
  void cbxSavedSettingsDropDown();
  void cbxSavedSettingsChange(const std::string& text);
  void mnuSavesettingsClick();
  void mnuDeletecurrentprofileClick();

  TPaletteKind Kind() const { return kind_; }
  const TPaletteSettings& Settings() const { return settings_; }
  TDepthPalette& Palette(TPaletteKind kind);
  // The values a profile saved now would hold.
  TSettingsProfile CurrentProfile();
  // The profile the tool bar last applied (at start-up, the one the look starts from).
  const TSettingsProfile& AppliedProfile() const { return profile_; }
  bool AutoPending() const { return autoPending_; }
  double VerticalExaggeration() const;
  QMenu* AutoMenu() const { return popAuto_; }
  QMenu* DeletePaletteMenu() const { return popDelPal_; }
  QMenu* ProfileMenu() const { return popSettings_; }
  TDepthLegendView& Legend() { return *legend_; }

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void FindControls(const TMainControls& controls);
  void SetUpControls();
  void DefaultHooks();
  void Connect();
  void StartUp();
  // Runs a handler, showing what went wrong instead of letting it out.
  void Guard(const char* operation, const std::function<void()>& handler);

  void ListPalettes();
  void LoadAllPalettes();
  // Reads the file of a palette name into the active kind's palette, then applies the range.
  void LoadNamedPalette(const std::string& name);
  // Reads a palette name's file into a palette; a missing file switches to the list's first entry
  // (`tell`: with the beep and message the skipper sees).
  void ReadNamedPalette(TDepthPalette& palette, const std::string& name, bool tell);
  void StorePaletteSettings();
  void ShowPaletteSettings(TPaletteKind kind);
  void ApplyPaletteRange(bool forceDepth);
  void AutoPaletteRange();
  // The strip on the terrain and the legend, after every palette or range change.
  void LegendChanged();
  void ChooseKind(TPaletteKind kind);
  void ShowKind();
  void FillRangeLists();
  void SetSmooth(bool smooth);
  void SetContours(bool on);
  void SetVerticalScale(double scale);
  void WaitForLoader();

  void RefillProfiles();
  // Applies the named profile (defaults, the file's values, corrections) to the controls.
  void SelectProfile(const std::string& name);
  void ShowProfile(const TSettingsProfile& profile);
  void FirstRunDefaults();

  std::string Text(const QComboBox* box) const;
  void SetText(QComboBox* box, const std::string& text);

  TChartTerrain& terrain_;
  TMainScene& scene_;
  TPaletteToolbarContext context_;
  TPaletteToolbarHooks hooks_;
  QWidget* toolbar_ = nullptr;

  QComboBox* cbxSavedSettings_ = nullptr;
  QComboBox* cbxPalette_ = nullptr;
  QComboBox* minDepth_ = nullptr;
  QComboBox* maxDepth_ = nullptr;
  QComboBox* cbxContourInterval_ = nullptr;
  TKVTTransparentButton* btnColorFlat_ = nullptr;
  TKVTTransparentButton* btnColorSmooth_ = nullptr;
  TKVTTransparentButton* btnDepth_ = nullptr;
  TKVTTransparentButton* btnHard_ = nullptr;
  TKVTTransparentButton* btnRough_ = nullptr;
  TKVTTransparentButton* btnApply_ = nullptr;
  TKVTTransparentButton* btnAuto_ = nullptr;
  TKVTTransparentButton* btnDelete_ = nullptr;
  TKVTTransparentButton* btnContours_ = nullptr;
  TKVTTransparentButton* btnMoon_ = nullptr;
  QComboBox* cbxShading_ = nullptr;
  QLabel* lblType_ = nullptr;
  QLabel* lblContouring_ = nullptr;
  QSpinBox* VEEdit_ = nullptr;
  QWidget* DepthLegend_ = nullptr;
  QMenu* popAuto_ = nullptr;
  QMenu* popDelPal_ = nullptr;
  QMenu* popSettings_ = nullptr;
  std::unique_ptr<TDepthLegendView> legend_;

  TDepthPalette hardness_;
  TDepthPalette roughness_;
  TPaletteSettings settings_;
  // The profile values the tool bar does not show itself (shading, day or night) and the last
  // vertical scale, kept so that a saved profile holds them.
  TSettingsProfile profile_;
  TPaletteKind kind_ = TPaletteKind::pkDepth;
  bool startingUp_ = true;
  bool autoPending_ = false;
  bool locationChanged_ = false;
  // Set while the tool bar writes into its own boxes, so that their change handlers stay quiet.
  bool updating_ = false;
};

}  // namespace velmara

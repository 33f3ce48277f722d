#include "app/view/PaletteToolbar.h"

#include "app/base/NumberFormat.h"
#include "app/settings/ProfileStore.h"
#include "colour/PaletteRange.h"
#include "colour/SeabedTexture.h"
#include "controls/KVTTransBtn.h"
#include "controls/TxtInpFrm.h"
#include "terrain/MapResolution.h"

#include <QApplication>
#include <QBoxLayout>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QMessageBox>
#include <QSpinBox>

#include <algorithm>
#include <stdexcept>

namespace velmara {
namespace {

// The hourglass for the length of a command.
class THourglass {
public:
  THourglass() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~THourglass() { QApplication::restoreOverrideCursor(); }
  THourglass(const THourglass&) = delete;
  THourglass& operator=(const THourglass&) = delete;
};

std::string Trimmed(const std::string& text) { return QString::fromStdString(text).trimmed().toStdString(); }

int KindIndex(TPaletteKind kind) {
  switch (kind) {
    case TPaletteKind::pkHardness: return TPaletteSettings::Hardness;
    case TPaletteKind::pkRoughness: return TPaletteSettings::Roughness;
    case TPaletteKind::pkDepth: break;
  }
  return TPaletteSettings::Depth;
}

TPaletteKind KindOf(int index) {
  if (index == TPaletteSettings::Hardness) return TPaletteKind::pkHardness;
  if (index == TPaletteSettings::Roughness) return TPaletteKind::pkRoughness;
  return TPaletteKind::pkDepth;
}

void Fill(QComboBox* box, const std::vector<std::string>& items) {
  box->clear();
  for (const std::string& item : items) box->addItem(QString::fromStdString(item));
}

template <typename T>
T* Required(const TMainControls& controls, const char* name) {
  T* widget = controls.Get<T>(name);
  if (!widget) throw std::logic_error(std::string("TPaletteToolbar: no control ") + name);
  return widget;
}

}  // namespace

TPaletteToolbar::TPaletteToolbar(const TMainControls& controls, TChartTerrain& terrain, TMainScene& scene,
                                 TPaletteToolbarContext context, TPaletteToolbarHooks hooks)
    : terrain_(terrain), scene_(scene), context_(std::move(context)), hooks_(std::move(hooks)) {
  FindControls(controls);
  DefaultHooks();
  SetUpControls();
  Connect();
  hardness_.Negate = true;
  roughness_.Negate = true;
  terrain_.DepthPalette().Negate = true;
  terrain_.OnPaletteRange = [this] { AfterLoad(); };
  StartUp();
}

TPaletteToolbar::~TPaletteToolbar() { terrain_.OnPaletteRange = nullptr; }

void TPaletteToolbar::FindControls(const TMainControls& controls) {
  toolbar_ = controls.pnlLeftToolbar;
  cbxSavedSettings_ = Required<QComboBox>(controls, "cbxSavedSettings");
  cbxPalette_ = Required<QComboBox>(controls, "cbxPalette");
  minDepth_ = Required<QComboBox>(controls, "minDepth");
  maxDepth_ = Required<QComboBox>(controls, "maxDepth");
  cbxContourInterval_ = Required<QComboBox>(controls, "cbxContourInterval");
  btnColorFlat_ = Required<TKVTTransparentButton>(controls, "btnColorFlat");
  btnColorSmooth_ = Required<TKVTTransparentButton>(controls, "btnColorSmooth");
  btnDepth_ = Required<TKVTTransparentButton>(controls, "btnDepth");
  btnHard_ = Required<TKVTTransparentButton>(controls, "btnHard");
  btnRough_ = Required<TKVTTransparentButton>(controls, "btnRough");
  btnApply_ = Required<TKVTTransparentButton>(controls, "btnApply");
  btnAuto_ = Required<TKVTTransparentButton>(controls, "btnAuto");
  btnDelete_ = Required<TKVTTransparentButton>(controls, "btnDelete");
  btnContours_ = Required<TKVTTransparentButton>(controls, "btnContours");
  btnMoon_ = controls.Get<TKVTTransparentButton>("btnMoon");
  cbxShading_ = controls.Get<QComboBox>("cbxShading");
  lblType_ = Required<QLabel>(controls, "lblType");
  lblContouring_ = Required<QLabel>(controls, "lblContouring");
  VEEdit_ = Required<QSpinBox>(controls, "VEEdit");
  DepthLegend_ = Required<QWidget>(controls, "DepthLegend");
}

void TPaletteToolbar::DefaultHooks() {
  QWidget* window = toolbar_ ? toolbar_->window() : nullptr;
  if (!hooks_.ShowMessage)
    hooks_.ShowMessage = [window](const std::string& text) {
      QMessageBox::information(window, window ? window->windowTitle() : QString(), QString::fromStdString(text));
    };
  if (!hooks_.ShowWarning)
    hooks_.ShowWarning = [window](const std::string& text) {
      QMessageBox::warning(window, "Warning", QString::fromStdString(text), QMessageBox::Ok);
    };
  if (!hooks_.Confirm)
    hooks_.Confirm = [window](const std::string& text) {
      return QMessageBox::information(window, "Information", QString::fromStdString(text), QMessageBox::Yes | QMessageBox::No) ==
             QMessageBox::Yes;
    };
  if (!hooks_.AskText)
    hooks_.AskText = [window](const std::string& caption, const std::string& prompt,
                              const std::string& text) -> std::optional<std::string> {
      TTxtInpFrm dialog(window, QString::fromStdString(caption), QString::fromStdString(prompt), QString::fromStdString(text));
      dialog.DeleteBtn->hide();
      if (dialog.exec() != QDialog::Accepted) return std::nullopt;
      return dialog.Text().toStdString();
    };
  if (!hooks_.Beep) hooks_.Beep = [] { QApplication::beep(); };
}

void TPaletteToolbar::SetUpControls() {
  for (QComboBox* box : {minDepth_, maxDepth_, cbxSavedSettings_, cbxContourInterval_}) {
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
  }
  minDepth_->lineEdit()->installEventFilter(this);
  maxDepth_->lineEdit()->installEventFilter(this);
  cbxSavedSettings_->installEventFilter(this);
  cbxPalette_->setToolTip("Depth Palette ");

  Fill(cbxContourInterval_, ContourIntervalItems(context_.Inshore));
  SetText(cbxContourInterval_, "100");
  VEEdit_->setRange(0, 100);
  VEEdit_->setValue(0);

  btnContours_->SetDown(true);
  btnColorSmooth_->SetDown(true);
  btnDepth_->SetDown(true);

  // The range boxes leave the column and sit on the legend's edges; the legend takes the
  // tool bar's spare height, with room above and below for the halves of the boxes.
  if (auto* layout = qobject_cast<QBoxLayout*>(toolbar_ ? toolbar_->layout() : nullptr)) {
    layout->removeWidget(minDepth_);
    layout->removeWidget(maxDepth_);
    const int at = layout->indexOf(DepthLegend_);
    if (at >= 0) {
      layout->insertSpacing(at + 1, maxDepth_->sizeHint().height() / 2 + 2);
      layout->insertSpacing(at, minDepth_->sizeHint().height() / 2 + 2);
      layout->setStretchFactor(DepthLegend_, 1);
    }
  }
  for (QComboBox* box : {minDepth_, maxDepth_}) {
    box->setFixedSize(72, box->sizeHint().height());
    box->raise();
  }
  DepthLegend_->setToolTip(context_.Unit == TDepthUnit::Feet ? "Feet" : context_.Unit == TDepthUnit::Fathoms ? "Fathoms" : "Metres");

  popAuto_ = new QMenu(toolbar_);
  popAuto_->setObjectName("popAuto");
  const struct {
    const char* name;
    const char* caption;
    int area;
  } areas[] = {{"ImediateArea1", "Imediate area", 2}, {"HalfArea1", "Half area", 1}, {"FullArea1", "Full Area", 0}};
  for (const auto& item : areas) {
    QAction* action = popAuto_->addAction(item.caption);
    action->setObjectName(item.name);
    const int area = item.area;
    connect(action, &QAction::triggered, this, [this, area] { Guard("AutoPaletteRange", [&] { AreaClick(area); }); });
  }
  btnAuto_->SetPopUpMenu(popAuto_);

  popDelPal_ = new QMenu(toolbar_);
  popDelPal_->setObjectName("popDelPal");
  QAction* deletePalette = popDelPal_->addAction("Delete Custom Palette");
  deletePalette->setObjectName("mnuDeleteCustomPalette");
  connect(popDelPal_, &QMenu::aboutToShow, this, [this, deletePalette] {
    std::error_code ec;
    deletePalette->setEnabled(std::filesystem::exists(context_.Palettes.CustomPalettes / (Text(cbxPalette_) + ".cpt"), ec));
  });
  connect(deletePalette, &QAction::triggered, this, [this] { Guard("DeletePalette", [&] { btnDeleteClick(); }); });
  btnDelete_->SetPopUpMenu(popDelPal_);

  popSettings_ = new QMenu(toolbar_);
  popSettings_->setObjectName("popSettings");
  QAction* save = popSettings_->addAction("Save settings profile");
  save->setObjectName("mnuSavesettings");
  connect(save, &QAction::triggered, this, [this] { Guard("SaveSettings", [&] { mnuSavesettingsClick(); }); });
  QAction* remove = popSettings_->addAction("Delete current profile");
  remove->setObjectName("mnuDeletecurrentprofile");
  connect(remove, &QAction::triggered, this, [this] { Guard("DeleteSettings", [&] { mnuDeletecurrentprofileClick(); }); });
  for (QWidget* target : {static_cast<QWidget*>(cbxSavedSettings_), static_cast<QWidget*>(cbxSavedSettings_->lineEdit())}) {
    target->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(target, &QWidget::customContextMenuRequested, this,
            [this, target](const QPoint& at) { popSettings_->popup(target->mapToGlobal(at)); });
  }

  legend_ = std::make_unique<TDepthLegendView>(*DepthLegend_, *minDepth_, *maxDepth_, [this] {
    TLegendInput in;
    in.palette = &Palette(kind_);
    in.kind = kind_;
    in.heightScale = terrain_.HeightScale();
    in.lakeAltitude = context_.LakeAltitude;
    in.unit = context_.Unit;
    in.screenScale = context_.ScreenScale;
    in.dark = btnMoon_ && btnMoon_->Down();
    return in;
  });

  for (QWidget* control : std::initializer_list<QWidget*>{cbxSavedSettings_, cbxPalette_, minDepth_, maxDepth_, cbxContourInterval_,
                                                          btnColorFlat_, btnColorSmooth_, btnDepth_, btnHard_, btnRough_, btnApply_,
                                                          btnAuto_, btnDelete_, btnContours_, VEEdit_})
    control->setEnabled(true);
}

void TPaletteToolbar::Connect() {
  auto click = [this](TKVTTransparentButton* button, const char* operation, void (TPaletteToolbar::*handler)()) {
    connect(button, &TKVTTransparentButton::OnClick, this, [this, operation, handler] { Guard(operation, [&] { (this->*handler)(); }); });
  };
  click(btnColorFlat_, "btnColorFlatClick", &TPaletteToolbar::btnColorFlatClick);
  click(btnColorSmooth_, "btnColorSmoothClick", &TPaletteToolbar::btnColorSmoothClick);
  click(btnDepth_, "btnDepthClick", &TPaletteToolbar::btnDepthClick);
  click(btnHard_, "btnHardClick", &TPaletteToolbar::btnHardClick);
  click(btnRough_, "btnRoughClick", &TPaletteToolbar::btnRoughClick);
  click(btnApply_, "btnApplyClick", &TPaletteToolbar::btnApplyClick);
  click(btnDelete_, "btnDeleteClick", &TPaletteToolbar::btnDeleteClick);
  click(btnContours_, "btnContoursClick", &TPaletteToolbar::btnContoursClick);
  // "Auto" offers its three area commands.
  connect(btnAuto_, &TKVTTransparentButton::OnClick, this,
          [this] { popAuto_->popup(btnAuto_->mapToGlobal(QPoint(0, btnAuto_->height()))); });

  connect(cbxPalette_, &QComboBox::activated, this, [this] { Guard("cbxPaletteClick", [&] { cbxPaletteClick(); }); });
  for (QComboBox* box : {minDepth_, maxDepth_}) {
    connect(box, &QComboBox::editTextChanged, this, [this] { Guard("minDepthChange", [&] { minDepthChange(); }); });
    connect(box, &QComboBox::activated, this, [this] {
      if (hooks_.FocusView) hooks_.FocusView();
    });
  }
  connect(cbxContourInterval_, &QComboBox::editTextChanged, this,
          [this] { Guard("cbxContourIntervalChange", [&] { cbxContourIntervalChange(); }); });
  connect(VEEdit_, &QSpinBox::valueChanged, this, [this] { Guard("VEEditChange", [&] { VEEditChange(); }); });
  connect(cbxSavedSettings_, &QComboBox::textActivated, this,
          [this](const QString& text) { Guard("cbxSavedSettingsChange", [&] { cbxSavedSettingsChange(text.toStdString()); }); });
}

void TPaletteToolbar::Guard(const char* operation, const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& error) {
    hooks_.ShowMessage(std::string("Error in ") + operation + ". Error = " + error.what());
  }
}

bool TPaletteToolbar::eventFilter(QObject* watched, QEvent* event) {
  const bool rangeBox = watched == minDepth_->lineEdit() || watched == maxDepth_->lineEdit();
  if (rangeBox && event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    // Only typed characters are filtered; Delete and the arrows are editing keys.
    const QList<uint> typed = key->text().toUcs4();
    if (!typed.isEmpty() && key->key() != Qt::Key_Delete && !RangeKeyAccepted(static_cast<char32_t>(typed.front()))) return true;
  }
  // The profile list is filled afresh each time it drops down.
  if (watched == cbxSavedSettings_) {
    const bool press = event->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    const bool key = event->type() == QEvent::KeyPress &&
                     (static_cast<QKeyEvent*>(event)->key() == Qt::Key_F4 ||
                      (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Down && (static_cast<QKeyEvent*>(event)->modifiers() & Qt::AltModifier)));
    if (press || key) Guard("cbxSavedSettingsDropDown", [&] { cbxSavedSettingsDropDown(); });
  }
  return QObject::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------------------------
// Start-up

void TPaletteToolbar::StartUp() {
  startingUp_ = true;
  ListPalettes();
  const std::string name(SystemProfileName(context_.Inshore));
  RefillProfiles();
  SetText(cbxSavedSettings_, name);
  std::error_code ec;
  if (std::filesystem::exists(ProfilePath(context_.ProfileFolder, name), ec)) SelectProfile(name);
  else FirstRunDefaults();
  LoadAllPalettes();
  // The depth palette is chosen as if its button had been pressed.
  ChooseKind(TPaletteKind::pkDepth);
  startingUp_ = false;
}

void TPaletteToolbar::FirstRunDefaults() {
  TSettingsProfile profile = ProfileDefaults(context_.Inshore);
  profile.palettes.depth = {0, 100, cbxPalette_->count() > 0 ? cbxPalette_->itemText(0).toStdString() : std::string(DefaultDepthPalette)};
  profile.contourInterval = 100;
  profile.contoursOn = true;
  profile.verticalScale = 2.0;
  ShowProfile(profile);
  autoPending_ = true;
}

void TPaletteToolbar::AfterFrame() {
  if (!autoPending_) return;
  autoPending_ = false;
  Guard("AutoPaletteRange", [&] { AreaClick(0); });
}

void TPaletteToolbar::AfterLoad() {
  if (locationChanged_ && kind_ == TPaletteKind::pkDepth) {
    AutoPaletteRange();
    StorePaletteSettings();
  } else {
    ApplyPaletteRange(false);
  }
}

// ---------------------------------------------------------------------------------------------
// Palettes

TDepthPalette& TPaletteToolbar::Palette(TPaletteKind kind) {
  switch (kind) {
    case TPaletteKind::pkHardness: return hardness_;
    case TPaletteKind::pkRoughness: return roughness_;
    case TPaletteKind::pkDepth: break;
  }
  return terrain_.DepthPalette();
}

// Profiles name the hardness and roughness palette that the palette files ship.
static_assert(std::string_view(HardRoughPaletteName) == DefaultHardRoughPalette);

void TPaletteToolbar::ListPalettes() {
  Fill(cbxPalette_, velmara::ListPalettes(context_.PlotterType, context_.Palettes));
  cbxPalette_->setCurrentIndex(0);
}

void TPaletteToolbar::ReadNamedPalette(TDepthPalette& palette, const std::string& name, bool tell) {
  std::filesystem::path file = PaletteFileFor(name, context_.Palettes);
  std::error_code ec;
  if (!std::filesystem::exists(file, ec)) {
    const std::string message = MissingPaletteMessage(file);
    if (tell) {
      hooks_.Beep();
      hooks_.ShowMessage(message);
    } else if (terrain_.OnError) {
      terrain_.OnError(message);
    }
    updating_ = true;
    cbxPalette_->setCurrentIndex(0);
    updating_ = false;
    file = PaletteFileFor(Text(cbxPalette_), context_.Palettes);
  }
  palette.Smooth = btnColorSmooth_->Down();
  const TPaletteFileResult read = palette.LoadFile(file.string());
  if (!read.ok()) throw std::runtime_error(read.message);
}

void TPaletteToolbar::LoadAllPalettes() {
  const int scale = terrain_.HeightScale();
  for (const TPaletteKind kind : {TPaletteKind::pkDepth, TPaletteKind::pkHardness, TPaletteKind::pkRoughness}) {
    TDepthPalette& palette = Palette(kind);
    const TPaletteKindSettings& entry = settings_[KindIndex(kind)];
    palette.Clear();
    // A missing hardness or roughness palette is no reason for a box at every start: it is logged.
    ReadNamedPalette(palette, Trimmed(entry.paletteName), false);
    const int factor = kind == TPaletteKind::pkDepth ? scale : 1;
    palette.SpreadOverRange(-entry.minimum * factor, -entry.maximum * factor);
    palette.BuildStrip();
  }
  // A missing file switched the list to its first entry: show the active kind's choice again.
  ShowPaletteSettings(kind_);
}

void TPaletteToolbar::LoadNamedPalette(const std::string& name) {
  const TRangeHints hints = RangeHints(kind_);
  minDepth_->setToolTip(hints.minimum);
  maxDepth_->setToolTip(hints.maximum);
  ReadNamedPalette(Palette(kind_), name, true);
  ApplyPaletteRange(false);
}

void TPaletteToolbar::StorePaletteSettings() {
  TPaletteKindSettings& entry = settings_[KindIndex(kind_)];
  if (const auto minimum = ParseInteger(Text(minDepth_))) entry.minimum = static_cast<int>(*minimum);
  if (const auto maximum = ParseInteger(Text(maxDepth_))) entry.maximum = static_cast<int>(*maximum);
  entry.paletteName = Text(cbxPalette_);
}

void TPaletteToolbar::ShowPaletteSettings(TPaletteKind kind) {
  const TPaletteKindSettings& entry = settings_[KindIndex(kind)];
  if (entry.paletteName.empty()) return;
  updating_ = true;
  const int at = cbxPalette_->findText(QString::fromStdString(entry.paletteName), Qt::MatchExactly | Qt::MatchCaseSensitive);
  if (at >= 0) cbxPalette_->setCurrentIndex(at);
  SetText(minDepth_, std::to_string(entry.minimum));
  SetText(maxDepth_, std::to_string(entry.maximum));
  updating_ = false;
}

void TPaletteToolbar::ApplyPaletteRange(bool forceDepth) {
  if (!terrain_.HasSource()) return;
  TPaletteRangeInput input;
  input.kind = kind_;
  input.forceDepth = forceDepth;
  input.minimumText = Text(minDepth_);
  input.maximumText = Text(maxDepth_);
  input.heightScale = terrain_.HeightScale();
  input.lakeAltitude = context_.LakeAltitude;
  input.unit = context_.Unit;
  input.smooth = btnColorSmooth_->Down();
  input.contoursOn = btnContours_->Down();
  input.contourIntervalText = Text(cbxContourInterval_);
  if (!ParseInteger(input.minimumText) || !ParseInteger(input.maximumText)) return;
  const bool depth = kind_ == TPaletteKind::pkDepth || forceDepth;
  TDepthPalette& palette = depth ? terrain_.DepthPalette() : Palette(kind_);
  const TPaletteRangeResult result = velmara::ApplyPaletteRange(palette, input);
  if (!result.applied) {
    hooks_.ShowMessage("Invalid palette range. Please adjust");
    return;
  }
  if (!depth) {
    // Hardness and roughness are spread over their range too, so that the legend reads it.
    palette.Smooth = input.smooth;
    palette.SpreadOverRange(result.minH, result.maxH);
    palette.BuildStrip();
    terrain_.BuildSeabedTexture();
  }
  terrain_.Source().Contours().Interval = result.tracerInterval;
  scene::TerrainSettings& renderer = scene_.TerrainRenderer1->settings();
  if (renderer.contourInterval != result.rendererContourInterval) {
    renderer.contourInterval = result.rendererContourInterval;
    // Patches take their interval when they are built: build them all again.
    scene_.TerrainRenderer1->markAllDirty();
  }
  LegendChanged();
}

void TPaletteToolbar::AutoPaletteRange() {
  if (!terrain_.HasSource()) return;
  const THeightRange range = terrain_.Source().HeightRangeAround();
  TAutoRangeInput input;
  input.lowest = range.Min;
  input.highest = range.Max;
  input.waterLevel = context_.LakeMode ? context_.LakeAltitude : 0;
  input.lakeMode = context_.LakeMode;
  input.inshore = context_.Inshore;
  input.heightScale = terrain_.HeightScale();
  input.unit = context_.Unit;
  const TAutoRange automatic = velmara::AutoPaletteRange(input);
  updating_ = true;
  SetText(minDepth_, automatic.minimumText);
  SetText(maxDepth_, automatic.maximumText);
  updating_ = false;
  ApplyPaletteRange(false);
}

void TPaletteToolbar::LegendChanged() {
  terrain_.SetDepthStrip();
  legend_->Repaint();
}

// ---------------------------------------------------------------------------------------------
// Handlers

void TPaletteToolbar::cbxPaletteClick() {
  if (updating_) return;
  const std::string name = Trimmed(Text(cbxPalette_));
  if (name.empty()) return;
  StorePaletteSettings();
  LoadNamedPalette(name);
  if (kind_ == TPaletteKind::pkDepth) btnApplyClick();
}

void TPaletteToolbar::minDepthChange() {
  if (updating_) return;
  StorePaletteSettings();
  if (RangeValid(Text(minDepth_), Text(maxDepth_))) ApplyPaletteRange(false);
}

void TPaletteToolbar::SetSmooth(bool smooth) {
  btnColorSmooth_->SetDown(smooth);
  btnColorFlat_->SetDown(!smooth);
}

void TPaletteToolbar::btnColorFlatClick() {
  SetSmooth(false);
  ApplyPaletteRange(false);
}

void TPaletteToolbar::btnColorSmoothClick() {
  SetSmooth(true);
  ApplyPaletteRange(false);
}

void TPaletteToolbar::btnDepthClick() { ChooseKind(TPaletteKind::pkDepth); }
void TPaletteToolbar::btnHardClick() { ChooseKind(TPaletteKind::pkHardness); }
void TPaletteToolbar::btnRoughClick() { ChooseKind(TPaletteKind::pkRoughness); }

void TPaletteToolbar::WaitForLoader() {
  if (terrain_.HasSource()) terrain_.Source().WaitUntilReady();
}

void TPaletteToolbar::ShowKind() {
  btnDepth_->SetDown(kind_ == TPaletteKind::pkDepth);
  btnHard_->SetDown(kind_ == TPaletteKind::pkHardness);
  btnRough_->SetDown(kind_ == TPaletteKind::pkRoughness);
  lblType_->setText(PaletteKindLabel(kind_));
  lblType_->setToolTip(QString::fromStdString(StandInHint(kind_)));
}

void TPaletteToolbar::ChooseKind(TPaletteKind kind) {
  WaitForLoader();
  THourglass hourglass;
  ShowPaletteSettings(kind);
  kind_ = kind;
  terrain_.SetPaletteKind(kind, &Palette(kind));
  ShowKind();
  if (kind == TPaletteKind::pkDepth) {
    const TRangeHints hints = RangeHints(kind_);
    minDepth_->setToolTip(hints.minimum);
    maxDepth_->setToolTip(hints.maximum);
    ApplyPaletteRange(false);
    terrain_.ApplyTerrainTextures();
    // The graphics test writes its texts elsewhere: the kind's name goes.
    scene_.hudInfo->setText("");
  } else {
    LoadNamedPalette(Text(cbxPalette_));
    const bool dark = btnMoon_ && btnMoon_->Down();
    scene_.hudInfo->setText(kind == TPaletteKind::pkHardness ? "Hardness Palette" : "Roughness Palette");
    scene_.hudInfo->setColour(dark ? scene::Colour(1.0f, 1.0f, 1.0f, 1.0f) : scene::Colour(0.0f, 0.0f, 0.0f, 1.0f));
  }
  FillRangeLists();
}

void TPaletteToolbar::FillRangeLists() {
  const TRangeLists lists = RangeListItems(kind_, context_.Inshore);
  updating_ = true;
  const std::string minimum = Text(minDepth_), maximum = Text(maxDepth_);
  Fill(minDepth_, lists.minimum);
  Fill(maxDepth_, lists.maximum);
  SetText(minDepth_, minimum);
  SetText(maxDepth_, maximum);
  updating_ = false;
}

void TPaletteToolbar::btnApplyClick() {
  if (!RangeValid(Text(minDepth_), Text(maxDepth_))) {
    hooks_.Beep();
    hooks_.ShowWarning("Warning! Invalid palette range. Please adjust before applying.");
    return;
  }
  WaitForLoader();
  THourglass busy;
  ApplyPaletteRange(false);
  terrain_.ApplyTerrainTextures();
  if (hooks_.RefreshMarks) hooks_.RefreshMarks();
  if (hooks_.TerrainChanged) hooks_.TerrainChanged();
}

void TPaletteToolbar::AreaClick(int) {
  // The automatic range reads depth heights only; the other kinds keep theirs.
  if (kind_ != TPaletteKind::pkDepth) return;
  WaitForLoader();
  THourglass hourglass;
  AutoPaletteRange();
  terrain_.ApplyTerrainTextures();
  if (hooks_.TerrainChanged) hooks_.TerrainChanged();
  StorePaletteSettings();
}

void TPaletteToolbar::btnDeleteClick() {
  const std::string name = Text(cbxPalette_);
  if (name.starts_with("Velmara")) {
    hooks_.ShowMessage("Can not delete a Velmara palette.");
    return;
  }
  const std::filesystem::path file = context_.Palettes.CustomPalettes / (name + ".cpt");
  std::error_code ec;
  if (!std::filesystem::exists(file, ec)) return;
  if (!hooks_.Confirm("Are you sure you want to delete palette " + name + " ?")) return;
  if (!std::filesystem::remove(file, ec) && ec) throw std::runtime_error(ec.message());
  updating_ = true;
  const int at = cbxPalette_->findText(QString::fromStdString(name), Qt::MatchExactly | Qt::MatchCaseSensitive);
  if (at >= 0) cbxPalette_->removeItem(at);
  cbxPalette_->setCurrentIndex(0);
  updating_ = false;
  cbxPaletteClick();
  // Once more after this event, as the skipper would press it.
  QMetaObject::invokeMethod(this, [this] { Guard("btnApplyClick", [&] { btnApplyClick(); }); }, Qt::QueuedConnection);
}

void TPaletteToolbar::SetContours(bool on) {
  btnContours_->SetDown(on);
  lblContouring_->setText(on ? "Contouring On" : "Contouring Off");
  cbxContourInterval_->setEnabled(on);
}

void TPaletteToolbar::btnContoursClick() {
  SetContours(!btnContours_->Down());
  ApplyPaletteRange(false);
}

void TPaletteToolbar::cbxContourIntervalChange() {
  if (updating_ || !terrain_.HasSource()) return;
  terrain_.Source().Contours().Interval = TracerContourInterval(Text(cbxContourInterval_));
}

double TPaletteToolbar::VerticalExaggeration() const { return VEEdit_->value() == 0 ? 0.5 : VEEdit_->value(); }

void TPaletteToolbar::SetVerticalScale(double scale) {
  scene::TerrainRenderer& renderer = *scene_.TerrainRenderer1;
  glm::vec3 current = renderer.scale();
  current.z = static_cast<float>(TerrainScaleZ(scale, terrain_.CellSize(), terrain_.HeightScale()));
  renderer.setScale(current);
}

void TPaletteToolbar::VEEditChange() {
  SetVerticalScale(VEEdit_->value());
  if (updating_) return;
  profile_.verticalScale = VEEdit_->value();
  if (hooks_.TerrainChanged) hooks_.TerrainChanged();
}

// ---------------------------------------------------------------------------------------------
// Settings profiles

void TPaletteToolbar::RefillProfiles() {
  const QString text = cbxSavedSettings_->currentText();
  updating_ = true;
  cbxSavedSettings_->clear();
  for (const std::string& name : ListProfiles(context_.ProfileFolder)) cbxSavedSettings_->addItem(QString::fromStdString(name));
  cbxSavedSettings_->setEditText(text);
  updating_ = false;
}

void TPaletteToolbar::cbxSavedSettingsDropDown() { RefillProfiles(); }

void TPaletteToolbar::cbxSavedSettingsChange(const std::string& text) {
  if (updating_) return;
  std::vector<std::string> listed;
  for (int i = 0; i < cbxSavedSettings_->count(); ++i) listed.push_back(cbxSavedSettings_->itemText(i).toStdString());
  const std::optional<std::string> name = ProfileToSelect(text, listed);
  if (!name) return;
  SelectProfile(*name);
  if (!startingUp_) btnApplyClick();
}

void TPaletteToolbar::SelectProfile(const std::string& name) {
  const TAppliedProfile applied = ApplyProfile(context_.ProfileFolder, name, context_.Inshore);
  if (!applied.message.empty()) hooks_.ShowMessage(applied.message);
  ShowProfile(applied.settings);
  if (applied.pressAuto) autoPending_ = true;
  if (!startingUp_) LoadNamedPalette(Text(cbxPalette_));
}

void TPaletteToolbar::ShowProfile(const TSettingsProfile& profile) {
  profile_ = profile;
  settings_ = profile.palettes;
  kind_ = KindOf(profile.activeKind);
  terrain_.SetPaletteKind(kind_, &Palette(kind_));
  ShowKind();
  FillRangeLists();
  updating_ = true;
  const TPaletteKindSettings& entry = settings_[KindIndex(kind_)];
  SetText(minDepth_, std::to_string(entry.minimum));
  SetText(maxDepth_, std::to_string(entry.maximum));
  SetText(cbxContourInterval_, std::to_string(profile.contourInterval));
  if (terrain_.HasSource()) terrain_.Source().Contours().Interval = profile.contourInterval;
  SetSmooth(profile.smoothColours);
  SetContours(profile.contoursOn);
  const int at = cbxPalette_->findText(QString::fromStdString(entry.paletteName), Qt::MatchExactly | Qt::MatchCaseSensitive);
  cbxPalette_->setCurrentIndex(at >= 0 ? at : 0);
  VEEdit_->setValue(static_cast<int>(std::clamp<long long>(Round(profile.verticalScale), 0, 100)));
  SetVerticalScale(VerticalExaggeration());
  // Still updating: the profile re-colours the terrain itself once all of it is shown.
  if (hooks_.ApplyLook) hooks_.ApplyLook(!profile.dayColours, std::clamp(profile.shadingIndex, 0, 4));
  updating_ = false;
}

TSettingsProfile TPaletteToolbar::CurrentProfile() {
  StorePaletteSettings();
  TSettingsProfile profile = profile_;
  profile.palettes = settings_;
  if (const auto interval = ParseInteger(Text(cbxContourInterval_))) profile.contourInterval = static_cast<int>(*interval);
  profile.contoursOn = btnContours_->Down();
  profile.smoothColours = btnColorSmooth_->Down();
  profile.activeKind = KindIndex(kind_);
  if (btnMoon_) profile.dayColours = !btnMoon_->Down();
  if (cbxShading_ && cbxShading_->currentIndex() >= 0) profile.shadingIndex = cbxShading_->currentIndex();
  return profile;
}

void TPaletteToolbar::mnuSavesettingsClick() {
  const std::optional<std::string> typed = hooks_.AskText("Save Config File", "Name:", Text(cbxSavedSettings_));
  if (!typed) return;
  const TSavedProfile saved = SaveProfile(context_.ProfileFolder, *typed, CurrentProfile());
  if (!saved.ok) {
    hooks_.ShowMessage(saved.message);
    return;
  }
  updating_ = true;
  const QString name = QString::fromStdString(saved.name);
  if (cbxSavedSettings_->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0) cbxSavedSettings_->addItem(name);
  cbxSavedSettings_->setCurrentIndex(cbxSavedSettings_->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive));
  updating_ = false;
}

void TPaletteToolbar::mnuDeletecurrentprofileClick() {
  const TDeletedProfile deleted = DeleteProfile(context_.ProfileFolder, Text(cbxSavedSettings_));
  switch (deleted.outcome) {
    case TProfileDeletion::SystemProfile:
    case TProfileDeletion::Failed:
      hooks_.ShowMessage(deleted.message);
      return;
    case TProfileDeletion::NoFile:
      return;
    case TProfileDeletion::Deleted:
      break;
  }
  RefillProfiles();
  updating_ = true;
  cbxSavedSettings_->setCurrentIndex(0);
  updating_ = false;
  cbxSavedSettingsChange(Text(cbxSavedSettings_));
}

std::string TPaletteToolbar::Text(const QComboBox* box) const { return box->currentText().toStdString(); }

void TPaletteToolbar::SetText(QComboBox* box, const std::string& text) {
  const QString value = QString::fromStdString(text);
  if (box->isEditable()) {
    box->setEditText(value);
    return;
  }
  const int at = box->findText(value, Qt::MatchExactly | Qt::MatchCaseSensitive);
  if (at >= 0) box->setCurrentIndex(at);
}

}  // namespace velmara

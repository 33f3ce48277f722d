// The palette tool bar on the main window's real controls over a small terrain: palettes chosen
// from the list, ranges typed and applied, "Auto", block and smooth colours, the three kinds,
// contouring, the vertical scale, deleting a custom palette, the settings profiles, and the
// legend as painted.

#include "app/view/PaletteToolbar.h"

#include "app/view/SceneView.h"
#include "controls/ImageList.h"
#include "controls/KVTTransBtn.h"
#include "terrain/MapResolution.h"
#include "tests/terrain/TerrainFixtures.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QSpinBox>

#include <fstream>

namespace velmara {
namespace {

namespace fs = std::filesystem;

// Heights in decimetres (inshore) from -188 m in the west to -12 m in the east.
std::vector<int16_t> Slope() {
  constexpr int N = 1024;
  std::vector<int16_t> grid(std::size_t(N) * N);
  for (int x = 0; x < N; ++x)
    for (int y = 0; y < N; ++y) grid[std::size_t(x) * N + y] = static_cast<int16_t>(-1880 + (1760 * x) / (N - 1));
  return grid;
}

// A palette of n bands; band i runs from (30i, 200 - 20i, 30) to (30i + 20, 190 - 20i, 40).
std::string PaletteText(int n) {
  std::string text;
  for (int i = 0; i < n; ++i)
    text += std::to_string(i * 100) + " " + std::to_string(30 * i) + " " + std::to_string(200 - 20 * i) + " 30 " +
            std::to_string(i * 100 + 100) + " " + std::to_string(30 * i + 20) + " " + std::to_string(190 - 20 * i) + " 40\n";
  return text;
}

TRgb BandStart(int i) { return {uint8_t(30 * i), uint8_t(200 - 20 * i), 30}; }

void Write(const fs::path& file, const std::string& text) {
  fs::create_directories(file.parent_path());
  std::ofstream(file) << text;
}

TRgb Rgb(QRgb pixel) { return {uint8_t(qRed(pixel)), uint8_t(qGreen(pixel)), uint8_t(qBlue(pixel))}; }

// One terrain for the whole suite (its load takes a while); every test gets fresh controls and a
// fresh tool bar, which load their palettes and range anew.
class PaletteToolbarTest : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    folder_ = new fs::path(fs::temp_directory_path() / ("velmara-palette-toolbar-" + std::to_string(::getpid())));
    fs::create_directories(*folder_ / "data");
    for (int n = 0; n < 8; ++n) Write(*folder_ / "data" / ("pal" + std::to_string(n) + ".cpt"), PaletteText(n == 1 ? 3 : 7));
    Write(*folder_ / "data" / "RoughHard.cpt", PaletteText(7));
    raster_ = new test::TempRaster(Slope());
    scene_ = new TMainScene([](const std::string&) { return nullptr; });
    terrain_ = new TChartTerrain(*scene_, [] { QCoreApplication::processEvents(); });
    TChartTerrainSettings settings;
    settings.RasterFile = raster_->path();
    settings.PaletteFile = (*folder_ / "data" / "pal0.cpt").string();
    settings.Inshore = true;
    settings.TextureFolder = VELMARA_DATA_DIR "/textures";
    terrain_->StartUp(settings);
  }
  static void TearDownTestSuite() {
    delete terrain_;
    delete scene_;
    delete raster_;
    fs::remove_all(*folder_);
    delete folder_;
  }

  void SetUp() override {
    fs::remove_all(Profiles());
    fs::create_directories(Profiles());
    fs::remove_all(Custom());
    Write(Custom() / "Reef.cpt", PaletteText(2));
    window_ = std::make_unique<QMainWindow>();
    view_ = new TSceneView(scene_->Scene, window_.get());
    controls_ = BuildMainControls(*window_, *view_, images_);
  }
  void TearDown() override {
    toolbar_.reset();
    window_.reset();
  }

  static fs::path Profiles() { return *folder_ / "profiles"; }
  static fs::path Custom() { return *folder_ / "Palettes"; }

  TPaletteToolbar& Start() {
    TPaletteToolbarContext context;
    context.Palettes = {*folder_ / "data", Custom()};
    context.ProfileFolder = Profiles();
    context.Inshore = true;
    TPaletteToolbarHooks hooks;
    hooks.ShowMessage = [this](const std::string& text) { messages_.push_back(text); };
    hooks.ShowWarning = [this](const std::string& text) { warnings_.push_back(text); };
    hooks.Confirm = [this](const std::string& text) {
      messages_.push_back(text);
      return yes_;
    };
    hooks.AskText = [this](const std::string& caption, const std::string&, const std::string&) -> std::optional<std::string> {
      messages_.push_back(caption);
      return typedName_;
    };
    hooks.Beep = [this] { ++beeps_; };
    hooks.TerrainChanged = [this] { ++terrainChanges_; };
    hooks.ApplyLook = [this](bool night, int shading) { looks_.emplace_back(night, shading); };
    toolbar_ = std::make_unique<TPaletteToolbar>(controls_, *terrain_, *scene_, context, hooks);
    return *toolbar_;
  }

  template <typename T>
  T* Get(const char* name) const {
    T* widget = controls_.Get<T>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  QComboBox* Box(const char* name) const { return Get<QComboBox>(name); }
  std::string Text(const char* name) const { return Box(name)->currentText().toStdString(); }
  void Click(const char* name) { emit Get<TKVTTransparentButton>(name)->OnClick(); }
  void Choose(const char* box, const QString& item) {
    QComboBox* combo = Box(box);
    const int at = combo->findText(item);
    ASSERT_GE(at, 0) << item.toStdString();
    combo->setCurrentIndex(at);
    emit combo->activated(at);
  }
  void Type(const char* box, const QString& keys) {
    QLineEdit* edit = Box(box)->lineEdit();
    for (const QChar key : keys) {
      QKeyEvent press(QEvent::KeyPress, key == u'\b' ? Qt::Key_Backspace : 0, Qt::NoModifier, QString(key));
      QApplication::sendEvent(edit, &press);
    }
  }
  void TriggerMenu(QMenu* menu, const char* name) {
    QAction* action = menu->findChild<QAction*>(name);
    ASSERT_NE(action, nullptr) << name;
    action->trigger();
  }
  TDepthPalette& Depth() { return terrain_->DepthPalette(); }
  // The strip on the terrain's "texture" material.
  TRgb TerrainStrip(int x) const {
    const scene::Material* texture = scene_->GLMaterialLibrary1.find("texture");
    const std::uint32_t rgba = texture->texture.image->pixel(x, 0);
    return {uint8_t(rgba >> 24), uint8_t(rgba >> 16), uint8_t(rgba >> 8)};
  }
  // The legend painted at 223 pixels high (the tool bar's layout held off, as the window is not shown).
  QImage Legend() {
    controls_.pnlLeftToolbar->layout()->setEnabled(false);
    QWidget* legend = Get<QWidget>("DepthLegend");
    legend->setGeometry(4, 300, 142, 223);
    QImage image = legend->grab().toImage();
    if (const char* dump = std::getenv("VELMARA_LEGEND_DUMP")) image.save(dump);
    return image;
  }
  // The third and fourth materials of the terrain's combiner.
  std::array<std::string, 2> Combined() const {
    const scene::Material* shader = scene_->GLMaterialLibrary1.find("shader");
    return {shader->combinerMaterials[0], shader->combinerMaterials[1]};
  }
  // A pixel of a surface picture's middle row.
  TRgb Surface(const char* material, int x) const {
    const std::uint32_t rgba = scene_->GLMaterialLibrary1.find(material)->texture.image->pixel(x, 512);
    return {uint8_t(rgba >> 24), uint8_t(rgba >> 16), uint8_t(rgba >> 8)};
  }
  int RendererInterval() const { return scene_->TerrainRenderer1->settings().contourInterval; }

  static fs::path* folder_;
  static test::TempRaster* raster_;
  static TMainScene* scene_;
  static TChartTerrain* terrain_;

  TImageList images_{QSize(32, 32)};
  std::unique_ptr<QMainWindow> window_;
  TSceneView* view_ = nullptr;
  TMainControls controls_;
  std::unique_ptr<TPaletteToolbar> toolbar_;
  std::vector<std::string> messages_, warnings_;
  std::optional<std::string> typedName_;
  bool yes_ = true;
  int beeps_ = 0;
  int terrainChanges_ = 0;
  std::vector<std::pair<bool, int>> looks_;
};

fs::path* PaletteToolbarTest::folder_ = nullptr;
test::TempRaster* PaletteToolbarTest::raster_ = nullptr;
TMainScene* PaletteToolbarTest::scene_ = nullptr;
TChartTerrain* PaletteToolbarTest::terrain_ = nullptr;

TEST_F(PaletteToolbarTest, FirstRunStartsWithTheDefaultsAndTakesTheAutomaticRangeAfterTheFirstFrame) {
  TPaletteToolbar& toolbar = Start();
  EXPECT_TRUE(messages_.empty()) << messages_.front();
  EXPECT_EQ(Get<QLabel>("lblType")->text(), "DEPTH");
  EXPECT_TRUE(Get<TKVTTransparentButton>("btnDepth")->Down());
  EXPECT_FALSE(Get<TKVTTransparentButton>("btnHard")->Down());
  EXPECT_TRUE(Get<TKVTTransparentButton>("btnColorSmooth")->Down());
  EXPECT_FALSE(Get<TKVTTransparentButton>("btnColorFlat")->Down());
  EXPECT_EQ(Get<QLabel>("lblContouring")->text(), "Contouring On");
  EXPECT_FALSE(Get<QWidget>("btnPalEditor")->isEnabled());
  EXPECT_TRUE(Box("minDepth")->isEnabled());

  QComboBox* palettes = Box("cbxPalette");
  ASSERT_EQ(palettes->count(), 10);
  EXPECT_EQ(palettes->itemText(0), "Velmara #7");
  EXPECT_EQ(palettes->itemText(7), "Keelplot Pro");
  EXPECT_EQ(palettes->itemText(8), "RoughHard");
  EXPECT_EQ(palettes->itemText(9), "Reef");
  EXPECT_EQ(Text("cbxPalette"), "Velmara #7");
  EXPECT_EQ(Box("minDepth")->count(), 21) << "the inshore depth list";
  EXPECT_EQ(Box("cbxContourInterval")->itemText(0), "1");
  EXPECT_EQ(Text("cbxContourInterval"), "100");
  EXPECT_EQ(Text("cbxSavedSettings"), "#Inshore");
  EXPECT_EQ(Get<QSpinBox>("VEEdit")->value(), 2);
  EXPECT_FLOAT_EQ(scene_->TerrainRenderer1->scale().z, float(TerrainScaleZ(2, terrain_->CellSize(), 10)));

  // First-run range 0 ... 100 m (stored -1000 ... 0) until the first frame asks for "Auto".
  EXPECT_EQ(Text("minDepth"), "0");
  EXPECT_EQ(Text("maxDepth"), "100");
  EXPECT_EQ(Depth().Count(), 7);
  EXPECT_EQ(Depth().Segments[0].z0, -1000);
  EXPECT_EQ(RendererInterval(), 1000);
  EXPECT_EQ(terrain_->Source().Contours().Interval, 100);
  ASSERT_TRUE(toolbar.AutoPending());
  toolbar.AfterFrame();
  EXPECT_FALSE(toolbar.AutoPending());
  // The slope lies 12 ... 188 m deep: a step of 10 m from 10 m to one step beyond the deepest.
  EXPECT_EQ(Text("minDepth"), "10");
  EXPECT_EQ(Text("maxDepth"), "190");
  EXPECT_EQ(Depth().Segments[0].z0, -1900);
  EXPECT_EQ(Depth().Segments[6].z1, -100);
  EXPECT_EQ(toolbar.Settings().depth.minimum, 10);
  EXPECT_EQ(toolbar.Settings().depth.maximum, 190);
  EXPECT_EQ(terrainChanges_, 1);
  // The terrain carries the strip as built.
  for (int x : {0, 100, 300, 511}) EXPECT_EQ(TerrainStrip(x), Depth().Strip[x]) << x;
}

TEST_F(PaletteToolbarTest, ChoosingTypingApplyingAndAuto) {
  Start();
  Choose("cbxPalette", "Velmara #2");
  EXPECT_EQ(Depth().Count(), 3) << "Velmara #2 is data/pal1.cpt";
  EXPECT_EQ(TerrainStrip(0), BandStart(0));
  EXPECT_EQ(toolbar_->Settings().depth.paletteName, "Velmara #2");

  // Only digits and backspace reach the boxes; a valid range is applied at once.
  Box("maxDepth")->setEditText("");
  Type("maxDepth", "3a0-0.\b0");
  EXPECT_EQ(Text("maxDepth"), "300");
  EXPECT_EQ(Depth().Segments[0].z0, -3000);
  EXPECT_EQ(toolbar_->Settings().depth.maximum, 300);

  // An empty range changes nothing, and "Apply Changes" warns.
  Box("minDepth")->setEditText("300");
  EXPECT_EQ(Depth().Segments[0].z0, -3000);
  EXPECT_EQ(Depth().Segments[2].z1, 0);
  Click("btnApply");
  EXPECT_EQ(beeps_, 1);
  ASSERT_EQ(warnings_.size(), 1u);
  EXPECT_EQ(warnings_[0], "Warning! Invalid palette range. Please adjust before applying.");

  Box("minDepth")->setEditText("50");
  const int changes = terrainChanges_;
  Click("btnApply");
  EXPECT_EQ(warnings_.size(), 1u);
  EXPECT_EQ(Depth().Segments[2].z1, -500);
  EXPECT_EQ(terrainChanges_, changes + 1) << "the boat goes back on the terrain";

  // Every area command takes the range of the loaded map.
  for (const char* area : {"ImediateArea1", "HalfArea1", "FullArea1"}) {
    Box("minDepth")->setEditText("0");
    TriggerMenu(toolbar_->AutoMenu(), area);
    EXPECT_EQ(Text("minDepth"), "10") << area;
    EXPECT_EQ(Text("maxDepth"), "190") << area;
  }
  EXPECT_EQ(Depth().Segments[0].z0, -1900);
  EXPECT_TRUE(messages_.empty()) << messages_.front();
}

TEST_F(PaletteToolbarTest, BlockAndSmoothColoursAndTheLegend) {
  Start();
  toolbar_->AfterFrame();  // 10 ... 190 m
  Click("btnColorFlat");
  EXPECT_TRUE(Get<TKVTTransparentButton>("btnColorFlat")->Down());
  EXPECT_FALSE(Get<TKVTTransparentButton>("btnColorSmooth")->Down());
  EXPECT_FALSE(Depth().Smooth);
  EXPECT_EQ(TerrainStrip(10), BandStart(0));
  EXPECT_EQ(TerrainStrip(73 + 10), BandStart(1)) << "512 div 7 = 73 pixels a band";

  // 223 pixels for 7 bands: 31 a band, shallowest (band 6) on top, block colours.
  QImage legend = Legend();
  EXPECT_EQ(Rgb(legend.pixel(1, 5)), (TRgb{255, 255, 255})) << "the frame";
  for (int k = 0; k < 7; ++k) {
    const int top = 1 + 31 * k;
    EXPECT_EQ(Rgb(legend.pixel(10, top + 2)), BandStart(6 - k)) << k;
    EXPECT_EQ(Rgb(legend.pixel(10, top + 28)), BandStart(6 - k)) << k;
    if (k < 6) {
      EXPECT_EQ(Rgb(legend.pixel(10, top + 30)), (TRgb{0, 0, 0})) << "the line under band " << 6 - k;
    }
  }
  EXPECT_EQ(Rgb(legend.pixel(22, 31)), (TRgb{0, 0, 0})) << "a tick at the lower edge of the top band";
  const TLegendLayout layout = toolbar_->Legend().Layout();
  ASSERT_EQ(layout.labels.size(), 6u);
  EXPECT_EQ(layout.labels.front().text, "36") << "190 m spread over 7 bands from 10 m: the first edge at 36 m";
  EXPECT_EQ(layout.labels.back().text, "164");
  // The range boxes sit on the legend's top edge and on the lower end of its last band.
  EXPECT_EQ(Box("minDepth")->y(), 300 - Box("minDepth")->height() / 2);
  EXPECT_EQ(Box("maxDepth")->y(), 300 + 1 + 7 * 31 - Box("maxDepth")->height() / 2);
  EXPECT_EQ(Box("maxDepth")->x(), 4 + 28);

  Click("btnColorSmooth");
  EXPECT_TRUE(Depth().Smooth);
  legend = Legend();
  // Band 6 (on top) blends from its end colour at the top to its start colour at the bottom.
  const TRgb start = BandStart(6), end{6 * 30 + 20, 190 - 120, 40};
  EXPECT_NEAR(Rgb(legend.pixel(10, 1)).r, end.r, 3);
  EXPECT_NEAR(Rgb(legend.pixel(10, 29)).r, start.r, 3);
  EXPECT_EQ(TerrainStrip(0), BandStart(0));
  EXPECT_NE(TerrainStrip(60), BandStart(0)) << "smooth: the band blends towards its end colour";
}

TEST_F(PaletteToolbarTest, HardnessAndRoughnessKeepTheirOwnRangesAndPalettes) {
  Start();
  toolbar_->AfterFrame();
  Click("btnHard");
  EXPECT_EQ(toolbar_->Kind(), TPaletteKind::pkHardness);
  EXPECT_EQ(Get<QLabel>("lblType")->text(), "HARD");
  EXPECT_TRUE(Get<TKVTTransparentButton>("btnHard")->Down());
  EXPECT_FALSE(Get<TKVTTransparentButton>("btnDepth")->Down());
  EXPECT_EQ(Text("minDepth"), "0");
  EXPECT_EQ(Text("maxDepth"), "10000");
  EXPECT_EQ(Box("minDepth")->count(), 14);
  EXPECT_EQ(Box("minDepth")->toolTip(), "Minimum hardness color range");
  EXPECT_EQ(scene_->hudInfo->text(), "Hardness Palette");
  // The terrain shows the hardness picture over the detail picture: the deep west reads hardest.
  EXPECT_EQ(Combined(), (std::array<std::string, 2>{"detail", "hard"}));
  EXPECT_EQ(Surface("hard", 0), BandStart(0));
  EXPECT_NE(Surface("hard", 1023), BandStart(0));
  // The legend shows the hardness palette's plain values.
  const TLegendLayout hard = toolbar_->Legend().Layout();
  ASSERT_FALSE(hard.labels.empty());
  EXPECT_EQ(hard.labels.front().text, "1429");

  Box("maxDepth")->setEditText("7000");
  EXPECT_EQ(toolbar_->Settings().hardness.maximum, 7000);
  EXPECT_EQ(toolbar_->Settings().depth.maximum, 190) << "the depth range stays";

  Click("btnRough");
  EXPECT_EQ(Get<QLabel>("lblType")->text(), "ROUGH");
  EXPECT_EQ(Text("maxDepth"), "10000");
  EXPECT_EQ(scene_->hudInfo->text(), "Roughness Palette");
  EXPECT_EQ(Combined(), (std::array<std::string, 2>{"detail", "rough"}));

  Click("btnDepth");
  EXPECT_EQ(Get<QLabel>("lblType")->text(), "DEPTH");
  EXPECT_EQ(Text("minDepth"), "10");
  EXPECT_EQ(Text("maxDepth"), "190");
  EXPECT_EQ(Box("minDepth")->count(), 21);
  EXPECT_EQ(Box("minDepth")->toolTip(), "Minimum depth color range");
  EXPECT_EQ(Combined(), (std::array<std::string, 2>{"texture", "landtex"}));
  EXPECT_EQ(scene_->hudInfo->text(), "");
  // "Auto" reads depths only: with hardness active it leaves the boxes alone.
  Click("btnHard");
  EXPECT_EQ(Text("maxDepth"), "7000");
  TriggerMenu(toolbar_->AutoMenu(), "FullArea1");
  EXPECT_EQ(Text("maxDepth"), "7000");
}

TEST_F(PaletteToolbarTest, ContouringOffAndOnAndTheInterval) {
  Start();
  Click("btnContours");
  EXPECT_FALSE(Get<TKVTTransparentButton>("btnContours")->Down());
  EXPECT_EQ(Get<QLabel>("lblContouring")->text(), "Contouring Off");
  EXPECT_FALSE(Box("cbxContourInterval")->isEnabled());
  EXPECT_EQ(RendererInterval(), 0);

  Click("btnContours");
  EXPECT_EQ(Get<QLabel>("lblContouring")->text(), "Contouring On");
  EXPECT_TRUE(Box("cbxContourInterval")->isEnabled());
  EXPECT_EQ(RendererInterval(), 1000);

  // The tracer takes a new interval at once, the renderer at the next range application.
  Box("cbxContourInterval")->setEditText("25");
  EXPECT_EQ(terrain_->Source().Contours().Interval, 25);
  EXPECT_EQ(RendererInterval(), 1000);
  Click("btnApply");
  EXPECT_EQ(RendererInterval(), 250);
  Box("cbxContourInterval")->setEditText("deep");
  EXPECT_EQ(terrain_->Source().Contours().Interval, 100);
}

TEST_F(PaletteToolbarTest, VerticalScaleZeroIsTakenAsAHalf) {
  Start();
  const int cell = terrain_->CellSize();
  QSpinBox* scale = Get<QSpinBox>("VEEdit");
  scale->setValue(0);
  EXPECT_DOUBLE_EQ(toolbar_->VerticalExaggeration(), 0.5);
  EXPECT_FLOAT_EQ(scene_->TerrainRenderer1->scale().z, float(0.5 * 128 / cell / 10));
  scale->setValue(10);
  EXPECT_FLOAT_EQ(scene_->TerrainRenderer1->scale().z, float(10.0 * 128 / cell / 10));
  EXPECT_EQ(toolbar_->CurrentProfile().verticalScale, 10);
  EXPECT_EQ(terrainChanges_, 2);
}

TEST_F(PaletteToolbarTest, DeletingPalettes) {
  Start();
  Choose("cbxPalette", "Velmara #2");
  Click("btnDelete");
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0], "Can not delete a Velmara palette.");

  Choose("cbxPalette", "Reef");
  EXPECT_EQ(Depth().Count(), 2);
  QMenu* menu = toolbar_->DeletePaletteMenu();
  emit menu->aboutToShow();
  EXPECT_TRUE(menu->findChild<QAction*>("mnuDeleteCustomPalette")->isEnabled());

  yes_ = false;
  Click("btnDelete");
  EXPECT_TRUE(fs::exists(Custom() / "Reef.cpt")) << "answered No";
  yes_ = true;
  const int changes = terrainChanges_;
  Click("btnDelete");
  EXPECT_EQ(messages_.back(), "Are you sure you want to delete palette Reef ?");
  EXPECT_FALSE(fs::exists(Custom() / "Reef.cpt"));
  EXPECT_EQ(Box("cbxPalette")->findText("Reef"), -1);
  EXPECT_EQ(Text("cbxPalette"), "Velmara #7");
  EXPECT_EQ(Depth().Count(), 7);
  const int applied = terrainChanges_;
  EXPECT_GT(applied, changes);
  QCoreApplication::processEvents();
  EXPECT_EQ(terrainChanges_, applied + 1) << "Apply runs once more after the event";
  emit menu->aboutToShow();
  EXPECT_FALSE(menu->findChild<QAction*>("mnuDeleteCustomPalette")->isEnabled());
}

TEST_F(PaletteToolbarTest, AMissingPaletteSwitchesToTheFirstEntry) {
  Start();
  fs::remove(Custom() / "Reef.cpt");
  Choose("cbxPalette", "Reef");
  EXPECT_EQ(beeps_, 1);
  ASSERT_FALSE(messages_.empty());
  EXPECT_EQ(messages_[0], "Missing palette file " + (Custom() / "Reef.cpt").string() + ". Switching to default");
  EXPECT_EQ(Text("cbxPalette"), "Velmara #7");
  EXPECT_EQ(Depth().Count(), 7);
}

TEST_F(PaletteToolbarTest, ProfilesAreSavedSelectedAndDeleted) {
  Start();
  toolbar_->AfterFrame();
  Choose("cbxPalette", "Reef");
  Click("btnContours");
  Get<QSpinBox>("VEEdit")->setValue(5);
  // Night colours at 10 % shading (the look's controls, as the look leaves them).
  Get<TKVTTransparentButton>("btnMoon")->SetDown(true);
  Box("cbxShading")->addItems({"1%", "10%", "20%", "50%", "100%"});
  Box("cbxShading")->setCurrentIndex(1);
  typedName_ = "  Skipper One  ";
  TriggerMenu(toolbar_->ProfileMenu(), "mnuSavesettings");
  ASSERT_TRUE(fs::exists(Profiles() / "Skipper One.sett"));
  EXPECT_EQ(messages_.back(), "Save Config File");
  EXPECT_EQ(Text("cbxSavedSettings"), "Skipper One");

  // Other values, then the profile again.
  Choose("cbxPalette", "Velmara #2");
  Click("btnContours");
  Box("maxDepth")->setEditText("500");
  Get<QSpinBox>("VEEdit")->setValue(1);
  toolbar_->cbxSavedSettingsDropDown();
  EXPECT_GE(Box("cbxSavedSettings")->findText("Skipper One"), 0);
  looks_.clear();
  toolbar_->cbxSavedSettingsChange("Skipper One ");
  EXPECT_EQ(looks_, (std::vector<std::pair<bool, int>>{{true, 1}})) << "night and 10 % come back";
  EXPECT_EQ(Text("cbxPalette"), "Reef");
  EXPECT_EQ(Depth().Count(), 2);
  EXPECT_EQ(Text("maxDepth"), "190");
  EXPECT_EQ(Depth().Segments[0].z0, -1900);
  EXPECT_EQ(Get<QLabel>("lblContouring")->text(), "Contouring Off");
  EXPECT_EQ(RendererInterval(), 0);
  EXPECT_EQ(Get<QSpinBox>("VEEdit")->value(), 5);

  // A file that does not read says so and leaves the defaults.
  Write(Profiles() / "Broken.sett", "10\nnot a number\n");
  toolbar_->cbxSavedSettingsDropDown();
  toolbar_->cbxSavedSettingsChange("Broken");
  ASSERT_FALSE(messages_.empty());
  EXPECT_EQ(messages_.back().rfind("Could not read saved settings. ", 0), 0u) << messages_.back();
  EXPECT_EQ(Text("maxDepth"), "100");
  EXPECT_EQ(Text("cbxPalette"), "Velmara #7");

  // A name that is not listed selects nothing.
  const std::size_t before = messages_.size();
  toolbar_->cbxSavedSettingsChange("Nobody");
  EXPECT_EQ(messages_.size(), before);

  Box("cbxSavedSettings")->setEditText("#Inshore");
  Write(Profiles() / "#Inshore.sett", "");
  TriggerMenu(toolbar_->ProfileMenu(), "mnuDeletecurrentprofile");
  EXPECT_EQ(messages_.back(), "Can not delete a system profile");
  EXPECT_TRUE(fs::exists(Profiles() / "#Inshore.sett"));

  Box("cbxSavedSettings")->setEditText("Skipper One");
  TriggerMenu(toolbar_->ProfileMenu(), "mnuDeletecurrentprofile");
  EXPECT_FALSE(fs::exists(Profiles() / "Skipper One.sett"));
  EXPECT_EQ(Box("cbxSavedSettings")->findText("Skipper One"), -1);
  EXPECT_EQ(Box("cbxSavedSettings")->currentIndex(), 0);
}

TEST_F(PaletteToolbarTest, StartsWithTheSavedSystemProfile) {
  TSettingsProfile saved = ProfileDefaults(true);
  saved.palettes.depth = {20, 60, "Reef"};
  saved.palettes.hardness = {0, 5000, "Gone"};
  saved.contoursOn = false;
  saved.smoothColours = false;
  saved.verticalScale = 3.5;
  saved.contourInterval = 5;
  Write(Profiles() / "#Inshore.sett", ProfileText(saved));

  std::vector<std::string> logged;
  terrain_->OnError = [&](const std::string& text) { logged.push_back(text); };
  TPaletteToolbar& toolbar = Start();
  terrain_->OnError = nullptr;
  EXPECT_TRUE(messages_.empty()) << messages_.front();
  ASSERT_EQ(logged.size(), 1u) << "the missing hardness palette is logged, not shown";
  EXPECT_NE(logged[0].find("Gone.cpt"), std::string::npos) << logged[0];
  EXPECT_FALSE(toolbar.AutoPending());
  EXPECT_EQ(Text("cbxPalette"), "Reef");
  EXPECT_EQ(Depth().Count(), 2);
  EXPECT_FALSE(Depth().Smooth);
  EXPECT_EQ(Text("minDepth"), "20");
  EXPECT_EQ(Text("maxDepth"), "60");
  EXPECT_EQ(Depth().Segments[0].z0, -600);
  EXPECT_EQ(Get<QLabel>("lblContouring")->text(), "Contouring Off");
  EXPECT_EQ(Text("cbxContourInterval"), "5");
  EXPECT_EQ(RendererInterval(), 0);
  EXPECT_EQ(Get<QSpinBox>("VEEdit")->value(), 4) << "3.5 rounds half to even";
  EXPECT_EQ(toolbar.CurrentProfile().verticalScale, 3.5) << "kept as saved until the scale is changed";
}

}  // namespace
}  // namespace velmara

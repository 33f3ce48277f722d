// The profiles of a folder: listing, selecting, applying, saving under the name rules, deleting
// with the system profiles kept; and the start-up defaults.

#include "app/settings/ProfileStore.h"
#include "app/settings/StartupDefaults.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace velmara {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

class ProfileStoreTest : public ::testing::Test {
protected:
  void SetUp() override {
    static int counter = 0;
    root_ = fs::temp_directory_path() / ("velmara-profiles-" + std::to_string(::getpid()) + "-" +
                                         std::to_string(++counter));
    data_ = root_ / "data";
    fs::create_directories(data_);
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(root_, ignored);
  }
  void write(const fs::path& file, const std::string& text) { std::ofstream(file, std::ios::binary) << text; }
  static std::string read(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
  Names filesIn(const fs::path& folder) const {
    Names names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
  static TSettingsProfile Tuned() {
    TSettingsProfile p = ProfileDefaults(true);
    p.palettes.depth = {10, 80, "Velmara #2"};
    p.contourInterval = 5;
    p.dayColours = false;
    p.verticalScale = 3.5;
    p.activeKind = TPaletteSettings::Roughness;
    return p;
  }

  fs::path root_, data_;
};

TEST_F(ProfileStoreTest, ListsTheProfileFilesOfTheFolderOnly) {
  EXPECT_EQ(ListProfiles(data_), Names{"Untitled"});
  EXPECT_EQ(ListProfiles(root_ / "missing"), Names{"Untitled"});

  for (const char* file : {"b.sett", "Hoki.sett", "#Inshore.sett", "a.b.sett", "notes.txt", "x.sett.part", ".sett",
                           "upper.SETT"}) {
    write(data_ / file, "");
  }
  fs::create_directories(data_ / "sub");
  write(data_ / "sub" / "nested.sett", "");
  fs::create_directories(data_ / "folder.sett");
  EXPECT_EQ(ListProfiles(data_), (Names{"#Inshore", "a.b", "b", "Hoki"}));
}

TEST_F(ProfileStoreTest, SelectsOnlyAListedProfileByItsTrimmedName) {
  const Names listed{"#Inshore", "Hoki Grounds", "Untitled"};
  const struct {
    const char* text;
    std::optional<std::string> selected;
  } cases[] = {
      {"Hoki Grounds", "Hoki Grounds"},
      {"  Hoki Grounds ", "Hoki Grounds"},
      {"#Inshore", "#Inshore"},
      {"hoki grounds", std::nullopt},
      {"Hoki", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ProfileToSelect(c.text, listed), c.selected);
  }
}

TEST_F(ProfileStoreTest, SavesUnderTheTrimmedNameAndReadsTheValuesBack) {
  const TSavedProfile saved = SaveProfile(data_, "  Hoki Grounds  ", Tuned());
  ASSERT_TRUE(saved.ok) << saved.message;
  EXPECT_EQ(saved.message, "");
  EXPECT_EQ(saved.name, "Hoki Grounds");
  EXPECT_EQ(filesIn(data_), Names{"Hoki Grounds.sett"});
  EXPECT_EQ(read(data_ / "Hoki Grounds.sett"), ProfileText(Tuned()));
  EXPECT_EQ(ListProfiles(data_), Names{"Hoki Grounds"});

  const TAppliedProfile applied = ApplyProfile(data_, " Hoki Grounds", true);
  EXPECT_TRUE(applied.fileFound);
  EXPECT_FALSE(applied.pressAuto);
  EXPECT_EQ(applied.message, "");
  EXPECT_EQ(applied.settings, Tuned());
}

TEST_F(ProfileStoreTest, SavingAgainReplacesTheProfileAndLeavesNothingElse) {
  ASSERT_TRUE(SaveProfile(data_, "Hoki", ProfileDefaults(true)).ok);
  ASSERT_TRUE(SaveProfile(data_, "Hoki", Tuned()).ok);
  EXPECT_EQ(filesIn(data_), Names{"Hoki.sett"});
  EXPECT_EQ(ApplyProfile(data_, "Hoki", true).settings, Tuned());
}

TEST_F(ProfileStoreTest, CreatesAMissingDataFolder) {
  ASSERT_TRUE(SaveProfile(root_ / "new" / "data", "Hoki", Tuned()).ok);
  EXPECT_EQ(ListProfiles(root_ / "new" / "data"), Names{"Hoki"});
}

TEST_F(ProfileStoreTest, RefusesNamesAndFoldersItCannotWriteWithTheSaveMessage) {
  write(root_ / "plain-file", "not a folder");
  TSettingsProfile broken = Tuned();
  broken.palettes.depth.paletteName = "two\nlines";
  const struct {
    const char* name;
    fs::path folder;
    std::string typedName;
    TSettingsProfile profile;
  } cases[] = {
      {"empty name", data_, "", Tuned()},
      {"blank name", data_, "   ", Tuned()},
      {"slash", data_, "../escape", Tuned()},
      {"backslash", data_, "..\\escape", Tuned()},
      {"dot dot", data_, "..", Tuned()},
      {"control character inside", data_, "Hoki\tGrounds", Tuned()},
      {"palette name with a line break", data_, "Hoki", broken},
      {"folder under a plain file", root_ / "plain-file" / "data", "Hoki", Tuned()},
  };
  const std::string prefix = "settings File could not be written.   ";
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const TSavedProfile saved = SaveProfile(c.folder, c.typedName, c.profile);
    EXPECT_FALSE(saved.ok);
    EXPECT_EQ(saved.message.substr(0, prefix.size()), prefix);
    EXPECT_GT(saved.message.size(), prefix.size()) << "says why";
    EXPECT_EQ(filesIn(data_), Names{});
    EXPECT_EQ(filesIn(root_), (Names{"data", "plain-file"}));
  }
}

TEST_F(ProfileStoreTest, AppliesTheDefaultsWhenThereIsNoFile) {
  for (bool inshore : {true, false}) {
    SCOPED_TRACE(inshore ? "inshore" : "deep-sea");
    const TAppliedProfile applied = ApplyProfile(data_, SystemProfileName(inshore), inshore);
    EXPECT_FALSE(applied.fileFound);
    EXPECT_FALSE(applied.pressAuto);
    EXPECT_EQ(applied.message, "");
    EXPECT_EQ(applied.settings, ProfileDefaults(inshore));
  }
  EXPECT_EQ(ApplyProfile(data_, "../../etc/passwd", true).settings, ProfileDefaults(true));
}

TEST_F(ProfileStoreTest, AFileThatDoesNotReadLeavesTheDefaultsAndSaysWhy) {
  write(data_ / "Broken.sett", "100\nfifty\n");
  write(data_ / "Huge.sett", std::string(100000, '1'));
  for (const char* name : {"Broken", "Huge"}) {
    SCOPED_TRACE(name);
    const TAppliedProfile applied = ApplyProfile(data_, name, false);
    EXPECT_TRUE(applied.fileFound);
    EXPECT_EQ(applied.settings, ProfileDefaults(false));
    EXPECT_EQ(applied.message.rfind("Could not read saved settings. ", 0), 0u) << applied.message;
    EXPECT_GT(applied.message.size(), 31u);
  }
}

TEST_F(ProfileStoreTest, CorrectsTheValuesReadAndAsksForAutoAfterAnEmptyDepthRange) {
  TSettingsProfile saved = Tuned();
  saved.palettes.depth = {50, 50, ""};
  saved.shadingIndex = 9;
  ASSERT_TRUE(SaveProfile(data_, "Odd", saved).ok);
  const TAppliedProfile applied = ApplyProfile(data_, "Odd", true);
  EXPECT_TRUE(applied.pressAuto);
  EXPECT_EQ(applied.settings.palettes.depth, (TPaletteKindSettings{0, 100, "Velmara #7"}));
  EXPECT_EQ(applied.settings.shadingIndex, 4);
  EXPECT_EQ(applied.settings.verticalScale, 3.5);
}

TEST_F(ProfileStoreTest, NeverDeletesASystemProfile) {
  for (const char* name : {"#DeepSea", "#Inshore", "  #DeepSea "}) {
    SCOPED_TRACE(name);
    ASSERT_TRUE(SaveProfile(data_, name, Tuned()).ok);
    const TDeletedProfile deleted = DeleteProfile(data_, name);
    EXPECT_EQ(deleted.outcome, TProfileDeletion::SystemProfile);
    EXPECT_EQ(deleted.message, "Can not delete a system profile");
  }
  EXPECT_EQ(filesIn(data_), (Names{"#DeepSea.sett", "#Inshore.sett"}));
  EXPECT_TRUE(IsSystemProfile(SystemProfileName(true)));
  EXPECT_TRUE(IsSystemProfile(SystemProfileName(false)));
  EXPECT_FALSE(IsSystemProfile("#deepsea"));
}

TEST_F(ProfileStoreTest, DeletesAProfileByItsTrimmedNameAndIgnoresOneAlreadyGone) {
  ASSERT_TRUE(SaveProfile(data_, "Hoki", Tuned()).ok);
  ASSERT_TRUE(SaveProfile(data_, "Snapper", Tuned()).ok);
  TDeletedProfile deleted = DeleteProfile(data_, " Hoki ");
  EXPECT_EQ(deleted.outcome, TProfileDeletion::Deleted);
  EXPECT_EQ(deleted.message, "");
  EXPECT_EQ(ListProfiles(data_), Names{"Snapper"});

  deleted = DeleteProfile(data_, "Hoki");
  EXPECT_EQ(deleted.outcome, TProfileDeletion::NoFile);
  EXPECT_EQ(deleted.message, "");

  write(root_ / "outside.sett", "");
  EXPECT_EQ(DeleteProfile(data_, "../outside").outcome, TProfileDeletion::NoFile);
  EXPECT_TRUE(fs::exists(root_ / "outside.sett"));
  fs::create_directories(data_ / "folder.sett");
  EXPECT_EQ(DeleteProfile(data_, "folder").outcome, TProfileDeletion::NoFile);
  EXPECT_TRUE(fs::exists(data_ / "folder.sett"));

  EXPECT_EQ(DeleteProfile(data_, "Snapper").outcome, TProfileDeletion::Deleted);
  EXPECT_EQ(ListProfiles(data_), Names{"Untitled"});
}

TEST(StartupDefaults, StartAtToryChannelInMetresWithNetLimitsByScale) {
  for (bool inshore : {true, false}) {
    SCOPED_TRACE(inshore ? "inshore" : "deep-sea");
    const TStartupDefaults d = StartupDefaults(inshore);
    EXPECT_DOUBLE_EQ(d.latitude, -41.216666);
    EXPECT_DOUBLE_EQ(d.longitude, 174.32416666);
    EXPECT_EQ(d.depthUnit, TDepthUnit::Metres);
    EXPECT_STREQ(UnitLabel(d.depthUnit), "m");
    EXPECT_EQ(d.legendHint, "Metres");
    EXPECT_EQ(d.mapResolutionIndex, 1);
    EXPECT_EQ(d.headUpDisplayOption, 1);
    EXPECT_EQ(d.lightAngle, 180);
    EXPECT_TRUE(d.plotterCursor && d.dynamicDepth && d.seaMode);
    EXPECT_FALSE(d.headingLighting || d.dynamicHardness || d.dynamicRoughness || d.roughSeaMode);
    EXPECT_EQ(d.netDepthLimits[0], inshore ? 50 : 200);
    EXPECT_EQ(d.netDepthLimits[1], inshore ? 50 : 200);
  }
}

TEST(StartupDefaults, NetDepthLimitsStayWithinFiveAndThirtyEightHundred) {
  const struct {
    int given, kept;
  } cases[] = {{-10, 5}, {4, 5}, {5, 5}, {200, 200}, {3800, 3800}, {3801, 3800}};
  for (const auto& c : cases) EXPECT_EQ(KeepNetDepthLimit(c.given), c.kept) << c.given;
}

}  // namespace
}  // namespace velmara

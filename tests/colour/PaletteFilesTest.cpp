#include "colour/PaletteFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

namespace velmara {
namespace {

class PaletteFilesTest : public ::testing::Test {
protected:
  void SetUp() override {
    root = std::filesystem::temp_directory_path() / ("velmara-palettes-" + std::to_string(::getpid()));
    folders = {root / "data", root / "Palettes"};
    std::filesystem::create_directories(folders.CustomPalettes);
  }
  void TearDown() override { std::filesystem::remove_all(root); }
  std::filesystem::path root;
  TPaletteFolders folders;
};

TEST_F(PaletteFilesTest, NamesResolveToFiles) {
  EXPECT_EQ(PaletteFileFor("Velmara #2", folders), folders.DataDir / "pal1.cpt");
  EXPECT_EQ(PaletteFileFor("Velmara #7", folders), folders.DataDir / "pal6.cpt");
  EXPECT_EQ(PaletteFileFor("Velmara #8", folders), folders.DataDir / "pal7.cpt");
  EXPECT_EQ(PaletteFileFor("Keelplot Pro", folders), folders.DataDir / "pal7.cpt");
  EXPECT_EQ(PaletteFileFor("Skerries O'Neill", folders), folders.CustomPalettes / "Skerries O'Neill.cpt");
  EXPECT_EQ(PaletteFileFor("Velmara #10", folders), folders.CustomPalettes / "Velmara #10.cpt");
}

TEST_F(PaletteFilesTest, ListHasTheShippedThenTheCustomPalettes) {
  std::ofstream(folders.CustomPalettes / "Zulu.cpt") << "0 1 2 3 4 5 6 7\n";
  std::ofstream(folders.CustomPalettes / "Alpha.cpt") << "0 1 2 3 4 5 6 7\n";
  std::ofstream(folders.CustomPalettes / "notes.txt") << "not a palette\n";
  const auto items = ListPalettes(1, folders);
  const std::vector<std::string> expected = {"Velmara #7", "Velmara #2", "Velmara #3", "Velmara #4", "Velmara #5",
                                             "Velmara #6", "Velmara #7", "Velmara #8", "Alpha",      "Zulu"};
  EXPECT_EQ(items, expected);
  EXPECT_EQ(ListPalettes(2, folders)[7], "Keelplot Pro");
}

TEST_F(PaletteFilesTest, TheHardnessAndRoughnessPaletteShipsAndTheSkippersOwnComesFirst) {
  std::filesystem::create_directories(folders.DataDir);
  std::ofstream(folders.DataDir / "RoughHard.cpt") << "0 1 2 3 4 5 6 7\n";
  EXPECT_EQ(PaletteFileFor("RoughHard", folders), folders.DataDir / "RoughHard.cpt");
  std::vector<std::string> items = ListPalettes(1, folders);
  ASSERT_EQ(items.size(), 9u);
  EXPECT_EQ(items[8], "RoughHard");

  std::ofstream(folders.CustomPalettes / "RoughHard.cpt") << "0 9 9 9 4 9 9 9\n";
  EXPECT_EQ(PaletteFileFor("RoughHard", folders), folders.CustomPalettes / "RoughHard.cpt");
  items = ListPalettes(1, folders);
  EXPECT_EQ(std::count(items.begin(), items.end(), "RoughHard"), 1) << "listed once";
}

TEST(PaletteColours, SavedDeepestFirstWithThreeCharacterChannels) {
  TPaletteColours colours;
  colours.Add({255, 0, 0});
  colours.Add({0, 255, 0});
  colours.Add({0, 0, 255});
  EXPECT_EQ(colours.FileText(),
            "3000   0   0 255 2000   0 255   0\n"
            "2000   0 255   0 1000 255   0   0\n"
            "1000 255   0   0 0 255   0   0\n");
  // What the editor writes reads back as the same bands.
  TDepthPalette palette;
  ASSERT_EQ(palette.ReadText(colours.FileText()), 3);
  EXPECT_EQ(palette.GetSegment(0).Start(), (TRgb{0, 0, 255}));
  EXPECT_EQ(palette.GetSegment(2).End(), (TRgb{255, 0, 0}));

  TPaletteColours one;
  one.Add({7, 64, 255});
  EXPECT_EQ(one.FileText(), "1000   7  64 255 0   7  64 255\n");
}

TEST_F(PaletteFilesTest, SavingACustomPaletteWhereItIsRead) {
  EXPECT_EQ(CustomPaletteTarget("   ", folders).error, "ERROR: Please enter a color palette name");
  std::filesystem::remove_all(folders.CustomPalettes);  // the folder is made on the first save
  TCustomPaletteTarget target = CustomPaletteTarget("  Cook Strait  ", folders);
  EXPECT_EQ(target.name, "Cook Strait");
  EXPECT_FALSE(target.exists);
  TPaletteColours colours;
  colours.Add({10, 20, 30});
  std::string error;
  ASSERT_TRUE(WritePaletteFile(target.file, colours.FileText(), error)) << error;
  EXPECT_EQ(PaletteFileFor("Cook Strait", folders), target.file);
  EXPECT_TRUE(CustomPaletteTarget("Cook Strait", folders).exists);
  TDepthPalette palette;
  EXPECT_TRUE(palette.LoadFile(target.file.string()).ok());
  EXPECT_EQ(ListPalettes(1, folders).back(), "Cook Strait");
  EXPECT_EQ(MissingPaletteMessage("/x/pal3.cpt"), "Missing palette file /x/pal3.cpt. Switching to default");
}

TEST(PaletteColours, ThirtyAtMost) {
  TPaletteColours colours;
  for (int i = 0; i < 30; ++i) EXPECT_TRUE(colours.Add({uint8_t(i), 0, 0}));
  EXPECT_FALSE(colours.Add({1, 2, 3}));
  EXPECT_EQ(colours.Count(), 30);
  EXPECT_EQ(colours.Entry(0), colours.Entry(1));
}

}  // namespace
}  // namespace velmara

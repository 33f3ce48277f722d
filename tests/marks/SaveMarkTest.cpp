// Saving marks and lines through the mark table, and the table coming back after a restart.
#include "marks/SaveMark.h"
#include "marks/StoredMarks.h"
#include "tests/marks/DataModuleFixture.h"

namespace velmara::test {
namespace {

TEST_F(DataModuleTest, SavingANewMarkInsertsItAndCutsItsDescription) {
  TMarkTable table;
  TMarkRecord rec = MakeMark(mtFish, 58.0, 1.0, std::string(120, 'd'));
  const int32_t key = SaveMark(*dm, table, rec, false);
  ASSERT_GT(key, 0) << dm->LastError();
  EXPECT_EQ(rec.Desc, std::string(80, 'd'));
  EXPECT_TRUE(StoredElsewhere("select 1 from markline where MLKEY = ? and MLDESC = ?",
                              {key, QString(80, QLatin1Char('d'))}));
}

TEST_F(DataModuleTest, MovingALineNorthMovesEveryStoredNodeByTheSameSteps) {
  TMarkTable table;
  TMarkRecord line = MakeMark(mtLine, 56.0, -0.0005, kNordic);
  line.Key = SaveMark(*dm, table, line, false);
  ASSERT_GT(line.Key, 0);
  table.Append(line);
  const double nodes[][2] = {{56.0, -0.0005}, {56.01, 0.002}, {55.99, -0.01}};
  for (const auto& n : nodes) ASSERT_TRUE(dm->InsertLineNode(line.Key, n[0], n[1]));
  const std::vector<TStoredLineNode> before = dm->ReadLineNodes(line.Key);

  TMarkRecord moved = line;
  moved.Lat += 0.001;  // north by one thousandth of a degree: dLat = -1000, dLng = 0
  EXPECT_EQ(SaveMark(*dm, table, moved, true), line.Key) << dm->LastError();
  const std::vector<TStoredLineNode> after = dm->ReadLineNodes(line.Key);
  ASSERT_EQ(after.size(), before.size());
  for (size_t i = 0; i < after.size(); ++i) {
    EXPECT_NEAR(after[i].Lat - before[i].Lat, 0.001, 1e-9) << i;
    EXPECT_NEAR(after[i].Lng, before[i].Lng, 1e-9) << i;
  }
  EXPECT_DOUBLE_EQ(table.Find(line.Key)->Lat, moved.Lat) << "the table follows the saved record";

  // East across 0 degrees: the step is taken without the longitude wrap.
  TMarkRecord east = moved;
  east.Lng = 0.0005;
  ASSERT_EQ(SaveMark(*dm, table, east, true), line.Key);
  const std::vector<TStoredLineNode> shifted = dm->ReadLineNodes(line.Key);
  for (size_t i = 0; i < shifted.size(); ++i) EXPECT_NEAR(shifted[i].Lng - after[i].Lng, 0.001, 1e-6) << i;
}

TEST_F(DataModuleTest, SavingAMarkThatIsNotALineLeavesNodesAlone) {
  TMarkTable table;
  TMarkRecord track = MakeMark(mtBoatTrack, 10.0, 10.0);
  track.Key = SaveMark(*dm, table, track, false);
  table.Append(track);
  ASSERT_TRUE(dm->InsertLineNode(track.Key, 10.0, 10.0));
  track.Lat = 11.0;
  ASSERT_EQ(SaveMark(*dm, table, track, true), track.Key);
  EXPECT_NEAR(dm->ReadLineNodes(track.Key).at(0).Lat, 10.0, 1e-9);
}

TEST_F(DataModuleTest, FailedUpdateReturnsMinusOneWithTheMessage) {
  TMarkTable table;
  TMarkRecord ghost = MakeMark(mtSphere, 1.0, 1.0);
  ghost.Key = 4711;
  EXPECT_EQ(SaveMark(*dm, table, ghost, true), -1);
  EXPECT_FALSE(dm->LastError().empty());
}

TEST_F(DataModuleTest, MarksSavedByOneRunAreInTheMarkTableOfTheNext) {
  std::vector<int32_t> keys;
  {
    TMarkTable table;
    for (const std::string& desc : {kNordic, kNandu}) {
      TMarkRecord rec = MakeMark(mtFish, 57.5, -4.25, desc);
      keys.push_back(SaveMark(*dm, table, rec, false));
    }
    TMarkRecord track = MakeMark(mtNetTrack, 57.0, 3.0);
    keys.push_back(SaveMark(*dm, table, track, false));
    ASSERT_TRUE(dm->InsertLineNode(keys.back(), 57.0, 3.0, 80.0));
    ASSERT_TRUE(dm->InsertLineNode(keys.back(), 57.1, 3.1, 81.0));
    const int32_t gone = SaveMark(*dm, table, track, false);
    ASSERT_TRUE(dm->DeleteMark(gone, mtNetTrack));
    dm.reset();  // the program ends
  }
  TS3DDataModule next(db.settings());
  TMarkTable table;
  TLineNodeTable nodes;
  ASSERT_TRUE(LoadStoredMarks(next, table, nodes)) << next.LastError();
  ASSERT_EQ(table.EndSlot(), 4u);
  for (size_t i = 0; i < keys.size(); ++i) EXPECT_EQ(table[i + 1].Key, keys[i]);
  EXPECT_EQ(table[1].Desc, kNordic);
  EXPECT_EQ(table[2].Desc, kNandu);
  EXPECT_NEAR(table[1].Lng, -4.25, 1e-4);
  EXPECT_EQ(table[3].MarkType, mtNetTrack);
  EXPECT_EQ(table[4].MarkType, mtEndOfTable);
  ASSERT_EQ(nodes.Count(), 2u);
  EXPECT_EQ(nodes[0].Key, keys[2]);
  EXPECT_NEAR(nodes[1].Lat, 57.1, 1e-6);
}

}  // namespace
}  // namespace velmara::test

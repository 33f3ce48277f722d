// The data module against a real embedded database: creation, mark round trips, generic runners,
// deletes and plots.
#include <cmath>
#include <filesystem>

#include "app/base/Geodesy.h"
#include "tests/marks/DataModuleFixture.h"

namespace velmara::test {
namespace {

TEST_F(DataModuleTest, FirstUseCreatesTheFileWithEveryTableAndTheMainPlot) {
  ASSERT_FALSE(std::filesystem::exists(db.file()));
  ASSERT_TRUE(dm->Connect()) << dm->LastError();
  EXPECT_TRUE(std::filesystem::exists(db.file()));
  for (const char* table : {"MARKLINE", "LINENODES", "MLGROUP", "LAKES"})
    EXPECT_TRUE(dm->ExecuteExistSQL("select 1 from rdb$relations where rdb$relation_name = ?",
                                    {QString::fromLatin1(table)}))
        << table;
  ASSERT_TRUE(dm->LoadGroups()) << dm->LastError();
  EXPECT_EQ(dm->PlotList(), std::vector<std::string>{"1=Main"});
}

TEST_F(DataModuleTest, ReopeningAnExistingFileKeepsItsRowsAndAddsNoSecondMainPlot) {
  const int32_t key = dm->InsertMark(MakeMark(mtFish, 56.5, 3.25));
  ASSERT_GT(key, 0) << dm->LastError();
  dm.reset();
  TS3DDataModule again(db.settings());
  std::vector<TMarkRecord> rows;
  ASSERT_TRUE(again.ReadMarkRecords(rows)) << again.LastError();
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].Key, key);
  ASSERT_TRUE(again.LoadGroups());
  EXPECT_EQ(again.PlotList().size(), 1u);
}

// Stored integers of the position encodings, checked in the table itself, and the value read back.
TEST_F(DataModuleTest, PositionsAreStoredAsMicroDegreesAndReadBack) {
  struct Case {
    double lat, lng;
    int32_t storedLat, storedLng;
    double readLat, readLng;
  };
  const Case cases[] = {
      {45.1234567, 10.0, 45123456, 10000000, 45.123456, 10.0},  // single-precision step
      // Western longitude wrapped; single precision holds every 32nd micro-degree near 355 degrees,
      // and 355750000 is a tie that goes to the even neighbour above.
      {-33.5, -4.25, -33500000, 355750016, -33.5, -4.249984},
      {0.0, -0.000001, 0, 360000000, 0.0, 0.0},                 // just west of 0 reads back as 0
      {89.9, 179.999999, 89900000, 180000000, 89.9, 180.0},
      {-89.9, -180.0, -89900000, 180000000, -89.9, 180.0},
  };
  for (const Case& c : cases) {
    const int32_t key = dm->InsertMark(MakeMark(mtSphere, c.lat, c.lng));
    ASSERT_GT(key, 0) << dm->LastError();
    EXPECT_TRUE(dm->ExecuteExistSQL("select 1 from markline where MLKEY = ? and LAT = ? and LNG = ?",
                                    {key, c.storedLat, c.storedLng}))
        << c.lat << " " << c.lng;
  }
  std::vector<TMarkRecord> rows;
  ASSERT_TRUE(dm->ReadMarkRecords(rows));
  ASSERT_EQ(rows.size(), std::size(cases));
  for (size_t i = 0; i < rows.size(); ++i) {
    EXPECT_NEAR(rows[i].Lat, cases[i].readLat, 1e-9) << i;
    EXPECT_NEAR(rows[i].Lng, cases[i].readLng, 1e-9) << i;
  }
}

TEST_F(DataModuleTest, EveryFieldRoundTripsIncludingQuotesAndNonAsciiText) {
  for (const std::string& desc : {kNordic, kNandu, std::string("it's \"quoted\" -- ; drop"), std::string()}) {
    TMarkRecord rec = MakeMark(mtCone, 61.25, -1.5, desc);
    rec.Group = 7;
    rec.Height = -3;
    rec.Colour = -1;
    rec.Locked = 1;
    rec.Date = 45678.123456;
    const int32_t key = dm->InsertMark(rec);
    ASSERT_GT(key, 0) << dm->LastError();
    std::vector<TMarkRecord> rows;
    ASSERT_TRUE(dm->ReadMarkRecords(rows));
    const TMarkRecord& back = rows.back();
    EXPECT_EQ(back.Key, key);
    EXPECT_EQ(back.Desc, desc);
    EXPECT_EQ(back.MarkType, mtCone);
    EXPECT_EQ(back.Group, 7);
    EXPECT_EQ(back.Height, -3);
    EXPECT_EQ(back.Colour, -1);
    EXPECT_EQ(back.Locked, 1);
    EXPECT_NEAR(back.Date, rec.Date, 1e-8);  // kept to the millisecond
  }
}

TEST_F(DataModuleTest, DescriptionsAreCutToEightyCharacters) {
  const std::string ascii(120, 'x');
  std::string wide;
  for (int i = 0; i < 100; ++i) wide += "\xC3\xB8";  // ø, two bytes each
  const std::string emoji = std::string(79, 'a') + "\xF0\x9F\x90\x9F" + "b";  // a fish at the cut
  const std::pair<std::string, std::string> cases[] = {
      {ascii, std::string(80, 'x')},
      {wide, wide.substr(0, 160)},
      {emoji, std::string(79, 'a') + "\xF0\x9F\x90\x9F"},
  };
  for (const auto& [desc, stored] : cases) {
    const int32_t key = dm->InsertMark(MakeMark(mtFish, 1.0, 1.0, desc));
    ASSERT_GT(key, 0) << dm->LastError();
    std::vector<TMarkRecord> rows;
    ASSERT_TRUE(dm->ReadMarkRecords(rows));
    EXPECT_EQ(rows.back().Desc, stored);
  }
}

TEST_F(DataModuleTest, MarksMadeInTheSameInstantAtTheSameLatitudeGetTheirOwnKeys) {
  const TMarkRecord rec = MakeMark(mtFish, 57.0, 2.0);
  const int32_t first = dm->InsertMark(rec);
  const int32_t second = dm->InsertMark(rec);
  ASSERT_GT(first, 0);
  ASSERT_GT(second, 0);
  EXPECT_NE(first, second);
  EXPECT_TRUE(StoredElsewhere("select 1 from markline where MLKEY = ?", {second}));
}

TEST_F(DataModuleTest, UpdateChangesTheRowAndRefusesAnUnknownKey) {
  TMarkRecord rec = MakeMark(mtCube, 50.0, 1.0, kNandu);
  rec.Key = dm->InsertMark(rec);
  ASSERT_GT(rec.Key, 0);
  rec.Desc = kNordic;
  rec.Lat = 50.5;
  rec.MarkType = mtDangerSign;
  EXPECT_EQ(dm->UpdateMark(rec), rec.Key) << dm->LastError();
  EXPECT_TRUE(StoredElsewhere("select 1 from markline where MLKEY = ? and MLDESC = ? and LAT = ? and MLTYPE = ?",
                              {rec.Key, QString::fromStdString(kNordic), 50500000, 2}));
  rec.Key += 1000;
  EXPECT_EQ(dm->UpdateMark(rec), -1);
  EXPECT_FALSE(dm->LastError().empty());
}

// Deleting a track removes its nodes; deleting a mark touches only markline.
TEST_F(DataModuleTest, DeleteRemovesNodesOnlyForLinesAndTracks) {
  struct Case {
    int32_t type;
    bool nodesRemain;
  };
  for (const Case c : {Case{mtBoatTrack, false}, Case{mtLine, false}, Case{mtNetTrack, false},
                       Case{mtSphere, true}}) {
    const int32_t key = dm->InsertMark(MakeMark(c.type, 55.0, 5.0));
    ASSERT_GT(key, 0);
    ASSERT_TRUE(dm->InsertLineNode(key, 55.0, 5.0, 12.5));
    ASSERT_TRUE(dm->InsertLineNode(key, 55.1, 5.1, 13.5));
    EXPECT_TRUE(dm->DeleteMark(key, c.type)) << dm->LastError();
    EXPECT_FALSE(StoredElsewhere("select 1 from markline where MLKEY = ?", {key})) << c.type;
    EXPECT_EQ(StoredElsewhere("select 1 from linenodes where LNFKEY = ?", {key}), c.nodesRemain) << c.type;
  }
}

TEST_F(DataModuleTest, LineNodesComeBackInStoredOrderWithTheirDepth) {
  const int32_t key = dm->InsertMark(MakeMark(mtBoatTrack, 0.0, 0.0));
  const double points[][3] = {{55.0, -0.5, 10.0}, {55.001, -0.499, 11.5}, {54.999, 0.001, 0.0}};
  for (const auto& p : points) ASSERT_TRUE(dm->InsertLineNode(key, p[0], p[1], p[2]));
  const std::vector<TStoredLineNode> nodes = dm->ReadLineNodes(key);
  ASSERT_EQ(nodes.size(), 3u);
  for (size_t i = 0; i < nodes.size(); ++i) {
    // Node positions go through the same micro-degree encoding as the marks.
    const MicroDegreePair stored = ToMicroDegreePair(points[i][0], points[i][1]);
    EXPECT_DOUBLE_EQ(nodes[i].Lat, FromMicroDegrees(stored.lat, false));
    EXPECT_DOUBLE_EQ(nodes[i].Lng, FromMicroDegrees(stored.lon, true));
    EXPECT_DOUBLE_EQ(nodes[i].Depth, points[i][2]);
  }
  EXPECT_TRUE(dm->ReadLineNodes(key + 1).empty());
}

TEST_F(DataModuleTest, ExistSqlTellsRowsFromNoRowsWithoutAMessage) {
  ASSERT_GT(dm->InsertMark(MakeMark(mtFish, 1.0, 1.0)), 0);
  EXPECT_TRUE(dm->ExecuteExistSQL("select 1 from markline where MLTYPE = ?", {mtFish}));
  EXPECT_FALSE(dm->ExecuteExistSQL("select 1 from markline where MLTYPE = ?", {mtCube}));
  EXPECT_TRUE(shown.empty());
}

TEST_F(DataModuleTest, FailingStatementsShowTheirMessageAndLeaveACleanTransaction) {
  EXPECT_FALSE(dm->ExecuteSQL("update no_such_table set x = 1"));
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].rfind(kExecuteSQLError, 0), 0u) << shown[0];
  EXPECT_FALSE(dm->ExecuteExistSQL("select nonsense from"));
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[1].rfind(kExecuteExistSQLError, 0), 0u) << shown[1];
  // The next statement runs and commits in a transaction of its own.
  EXPECT_TRUE(dm->ExecuteSQL("insert into mlgroup (GRPDESC) values (?)", {QString::fromStdString(kNandu)}));
  EXPECT_TRUE(StoredElsewhere("select 1 from mlgroup where GRPDESC = ?", {QString::fromStdString(kNandu)}));
}

TEST_F(DataModuleTest, AFailedStatementInAMultiStatementDeleteRollsBackTheWholeDelete) {
  const int32_t key = dm->InsertMark(MakeMark(mtLine, 1.0, 1.0));
  ASSERT_TRUE(dm->InsertLineNode(key, 1.0, 1.0));
  // A trigger makes the second statement of the delete fail after the first one ran.
  ASSERT_TRUE(dm->ExecuteSQL("create exception no_delete 'refused'"));
  ASSERT_TRUE(dm->ExecuteSQL("create trigger keep_lines for markline before delete as begin "
                             "exception no_delete; end"));
  EXPECT_FALSE(dm->DeleteMark(key, mtLine));
  EXPECT_EQ(dm->LastError().rfind(kDeleteMarkError, 0), 0u) << dm->LastError();
  EXPECT_NE(dm->LastError().find("refused"), std::string::npos) << dm->LastError();
  EXPECT_TRUE(StoredElsewhere("select 1 from linenodes where LNFKEY = ?", {key}));
  EXPECT_GT(dm->InsertMark(MakeMark(mtFish, 2.0, 2.0)), 0) << dm->LastError();
}

TEST_F(DataModuleTest, PlotNamesAreStoredAsTypedAndLookedUpByKey) {
  const int32_t nordic = dm->InsertGroup(kNordic);
  const int32_t nandu = dm->InsertGroup(kNandu);
  ASSERT_GT(nordic, 1);
  ASSERT_GT(nandu, nordic);
  ASSERT_TRUE(dm->LoadGroups());
  EXPECT_EQ(dm->PlotList(), (std::vector<std::string>{"1=Main", std::to_string(nordic) + "=" + kNordic,
                                                       std::to_string(nandu) + "=" + kNandu}));
  EXPECT_EQ(dm->PlotName(1), "Main");
  EXPECT_EQ(dm->PlotName(nordic), kNordic);
  EXPECT_EQ(dm->PlotName(999), "999") << "a plot the list lacks shows its key";
}

}  // namespace
}  // namespace velmara::test

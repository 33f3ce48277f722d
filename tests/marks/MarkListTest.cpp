// The rows of the marks-and-lines list: which rows, in which order, with which texts.
#include "app/base/Geodesy.h"
#include "tests/marks/DataModuleFixture.h"

namespace velmara::test {
namespace {

TEST_F(DataModuleTest, MarksAndLinesAreListedApartByPlotAndLatitudeWithTypeZeroNeverShown) {
  const int32_t plot = dm->InsertGroup(kNordic);
  struct Row {
    int32_t type, group;
    double lat;
  };
  const Row rows[] = {{mtFish, plot, 50.0}, {mtSphere, 1, 52.0}, {mtCube, 1, 51.0},
                      {mtLine, 1, 40.0},    {mtNetTrack, plot, 10.0}, {mtBoatTrack, 1, 45.0}};
  for (const Row& r : rows) {
    TMarkRecord rec = MakeMark(r.type, r.lat, 1.0);
    rec.Group = r.group;
    ASSERT_GT(dm->InsertMark(rec), 0) << dm->LastError();
  }
  ASSERT_TRUE(dm->ExecuteSQL("insert into markline (MLTYPE, GRPID, LAT, LNG) values (0, 1, 0, 0)"));
  ASSERT_TRUE(dm->ExecuteSQL("insert into markline (MLTYPE, GRPID, LAT, LNG) values (-5, 1, 0, 0)"));

  auto typesOf = [](const std::vector<TMarkListRow>& list) {
    std::vector<std::string> types;
    for (const TMarkListRow& row : list) types.push_back(row.TypeText);
    return types;
  };
  EXPECT_EQ(typesOf(dm->FillMarkList(true)), (std::vector<std::string>{"7", "3", "1"}));
  EXPECT_EQ(typesOf(dm->FillMarkList(false)), (std::vector<std::string>{"100", "101", "102"}));
}

TEST_F(DataModuleTest, ListRowCarriesTheSubItemTextsInColumnOrder) {
  TMarkRecord rec = MakeMark(mtDangerSign, 45.5, -4.5, kNordic);
  rec.Group = dm->InsertGroup(kNandu);
  rec.Date = 45658.25;         // 2025-01-01 06:00
  const int32_t key = dm->InsertMark(rec);
  ASSERT_GT(key, 0);
  const std::vector<TMarkListRow> list = dm->FillMarkList(true);
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0].Caption, "N");
  const std::vector<std::string> expected{
      PositionText(45.5, true, PositionStyle::Prefixed),
      PositionText(-4.5, false, PositionStyle::Prefixed),
      "Danger Sign",
      kNandu,
      kNordic,
      "2025-01-01 06:00:00",
      "2",
      std::to_string(key)};
  EXPECT_EQ(list[0].SubItems(), expected);
  EXPECT_EQ(expected[0], "N 45 30.0000");
  EXPECT_EQ(expected[1], "W 4 30.0000");
}

}  // namespace
}  // namespace velmara::test

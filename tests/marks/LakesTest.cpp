// Lakes: the negated altitude, names without quotes, edit and delete.
#include "tests/marks/DataModuleFixture.h"

namespace velmara::test {
namespace {

TEST_F(DataModuleTest, LakeAltitudeIsStoredNegatedAndListedAsEntered) {
  ASSERT_TRUE(dm->InsertLake("Mj\xC3\xB8sa", 250, 60.75, 10.9));
  EXPECT_TRUE(StoredElsewhere("select 1 from LAKES where ALTITUDE = -250", {}));
  const std::vector<TLakeRow> lakes = dm->FillLakeList();
  ASSERT_EQ(lakes.size(), 1u);
  EXPECT_EQ(lakes[0].Name, "Mj\xC3\xB8sa");
  EXPECT_EQ(lakes[0].Altitude, 250);
  const std::vector<std::string> items = lakes[0].SubItems();
  ASSERT_EQ(items.size(), 6u);
  EXPECT_EQ(items[0], "250");
  EXPECT_EQ(items[1], "N 60 45.0000");
  EXPECT_EQ(items[3], std::to_string(lakes[0].LakeId));
  EXPECT_EQ(items[4], "60.75");
  EXPECT_EQ(items[5], "10.9");
}

TEST_F(DataModuleTest, LakeNamesAreTrimmedAndLoseTheirQuotesButKeepOtherCharacters) {
  const std::pair<std::string, std::string> cases[] = {
      {"  " + kNordic + "  ", "\xC3\x86r\xC3\xB8sk\xC3\xB8" "bing Nord"},
      {kNandu, kNandu},
      {"Loch \"Ness\"", "Loch Ness"},
  };
  for (const auto& [typed, stored] : cases) ASSERT_TRUE(dm->InsertLake(typed, 10, -0.5, 1.0));
  const std::vector<TLakeRow> lakes = dm->FillLakeList();
  ASSERT_EQ(lakes.size(), std::size(cases));
  for (size_t i = 0; i < lakes.size(); ++i) EXPECT_EQ(lakes[i].Name, cases[i].second);
  EXPECT_DOUBLE_EQ(lakes[0].Lat, -0.5);
}

TEST_F(DataModuleTest, LakesAreEditedAndDeletedByTheirId) {
  ASSERT_TRUE(dm->InsertLake("A", 1, 1.0, 1.0));
  ASSERT_TRUE(dm->InsertLake("B", 2, 2.0, 2.0));
  std::vector<TLakeRow> lakes = dm->FillLakeList();
  ASSERT_EQ(lakes.size(), 2u);
  ASSERT_TRUE(dm->UpdateLake(lakes[1].LakeId, kNandu + "'s", -5));
  EXPECT_TRUE(dm->DeleteLake(lakes[0].LakeId)) << dm->LastError();
  lakes = dm->FillLakeList();
  ASSERT_EQ(lakes.size(), 1u);
  EXPECT_EQ(lakes[0].Name, kNandu + "s");
  EXPECT_EQ(lakes[0].Altitude, -5);
  EXPECT_DOUBLE_EQ(lakes[0].Lng, 2.0) << "editing keeps the position";
}

}  // namespace
}  // namespace velmara::test

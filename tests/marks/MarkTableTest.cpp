// The in-memory mark and line-node tables: slot semantics, growth past the old fixed sizes.
#include <gtest/gtest.h>

#include "marks/MarkTable.h"
#include "marks/MarkTypes.h"

namespace velmara {
namespace {

TMarkRecord Mark(int32_t key, int32_t type = mtSphere) {
  TMarkRecord rec;
  rec.Key = key;
  rec.MarkType = type;
  rec.Lat = 56.0 + key * 0.001;
  rec.Lng = -4.25;
  rec.Desc = "mark " + std::to_string(key);
  return rec;
}

TEST(MarkTypeName, NamesEveryCodeAndUnknownOtherwise) {
  const std::pair<int32_t, const char*> cases[] = {
      {1, "Fish"},        {2, "Danger Sign"}, {3, "Sphere"},     {6, "Cone"},
      {7, "Cube"},        {100, "Line"},      {101, "Boat Track"}, {102, "Net Track"},
      {4, "Unknown"},     {5, "Unknown"},     {0, "Unknown"},    {-1, "Unknown"},
      {1000, "Unknown"},  {103, "Unknown"},
  };
  for (const auto& [code, name] : cases) EXPECT_STREQ(MarkTypeName(code), name) << code;
}

TEST(MarkTable, StartsEmptyWithTerminatorInSlotOneAndIdleHeader) {
  TMarkTable table;
  EXPECT_EQ(table.State().load(), tsIdle);
  EXPECT_EQ(table.EndSlot(), 1u);
  EXPECT_EQ(table[1].MarkType, mtEndOfTable);
  EXPECT_EQ(table.SlotCount(), kInitialMarkSlots);
}

TEST(MarkTable, AppendFillsTheTerminatorSlotAndMovesTheTerminator) {
  TMarkTable table;
  TMarkRecord rec = Mark(7);
  rec.OnPlotter = 1;
  table.Append(rec);
  ASSERT_EQ(table.EndSlot(), 2u);
  EXPECT_EQ(table[1].Key, 7);
  EXPECT_EQ(table[1].Desc, "mark 7");
  EXPECT_EQ(table[1].OnPlotter, 0) << "the on-plotter flag is not copied";
  EXPECT_EQ(table[2].MarkType, mtEndOfTable);
}

TEST(MarkTable, GrowsPastFiveHundredEntriesKeepingEveryOne) {
  TMarkTable table;
  for (int32_t key = 1; key <= 1200; ++key) table.Append(Mark(key));
  ASSERT_EQ(table.EndSlot(), 1201u);
  EXPECT_GE(table.SlotCount(), 1202u);
  for (int32_t key = 1; key <= 1200; ++key) ASSERT_EQ(table[static_cast<size_t>(key)].Key, key);
  EXPECT_EQ(table[1201].MarkType, mtEndOfTable);
}

TEST(MarkTable, DeletedEntryKeepsItsSlotWithType1000) {
  TMarkTable table;
  for (int32_t key : {10, 11, 12}) table.Append(Mark(key));
  table.MarkDeleted(11);
  EXPECT_EQ(table.EndSlot(), 4u);
  EXPECT_EQ(table[2].Key, 11);
  EXPECT_EQ(table[2].MarkType, mtDeleted);
  EXPECT_EQ(table[1].MarkType, mtSphere);
  table.MarkDeleted(99);  // an unknown key changes nothing
  EXPECT_EQ(table[3].MarkType, mtSphere);
}

TEST(MarkTable, OnPlotterFlagsAreSetPerKeyAndClearedTogether) {
  TMarkTable table;
  for (int32_t key : {1, 2, 3}) table.Append(Mark(key));
  table.SetOnPlotter(2, true);
  table.SetOnPlotter(3, true);
  EXPECT_EQ(table[1].OnPlotter, 0);
  EXPECT_EQ(table[2].OnPlotter, 1);
  table.SetOnPlotter(3, false);
  EXPECT_EQ(table[3].OnPlotter, 0);
  table.SetOnPlotter(1, true);
  table.ClearOnPlotter();
  for (size_t slot = 1; slot < table.EndSlot(); ++slot) EXPECT_EQ(table[slot].OnPlotter, 0);
}

TEST(MarkTable, UpdateReplacesTheEntryButKeepsItsPlotterFlag) {
  TMarkTable table;
  table.Append(Mark(5));
  table.SetOnPlotter(5, true);
  TMarkRecord moved = Mark(5);
  moved.Lat = 60.0;
  moved.Desc = "moved";
  table.Update(moved);
  EXPECT_DOUBLE_EQ(table[1].Lat, 60.0);
  EXPECT_EQ(table[1].Desc, "moved");
  EXPECT_EQ(table[1].OnPlotter, 1);
}

TEST(LineNodeTable, GrowsPastTwentyThousandNodesInOrder) {
  TLineNodeTable nodes;
  for (int i = 0; i < 25000; ++i) nodes.Append(i % 7, i * 0.0001, -i * 0.0001);
  ASSERT_EQ(nodes.Count(), 25000u);
  EXPECT_EQ(nodes[24999].Key, 24999 % 7);
  EXPECT_DOUBLE_EQ(nodes[24999].Lat, 24999 * 0.0001);
  nodes.Reset();
  EXPECT_EQ(nodes.Count(), 0u);
}

TEST(ProgramTables, GlobalOperationsWorkOnTheProgramsOneTable) {
  MarkTable().Reset();
  LineNodeTable().Reset();
  AppendMarkRecord(Mark(42, mtLine));
  SetOnPlotter(42, true);
  EXPECT_EQ(MarkTable()[1].OnPlotter, 1);
  ClearOnPlotter();
  EXPECT_EQ(MarkTable()[1].OnPlotter, 0);
  MarkRecordDeleted(42);
  EXPECT_EQ(MarkTable()[1].MarkType, mtDeleted);
  AppendLineNode(42, 1.0, 2.0);
  EXPECT_EQ(LineNodeTable().Count(), 1u);
  MarkTable().Reset();
  LineNodeTable().Reset();
}

}  // namespace
}  // namespace velmara

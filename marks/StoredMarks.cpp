#include "marks/StoredMarks.h"

namespace velmara {

bool LoadStoredMarks(TS3DDataModule& dataModule, TMarkTable& table, TLineNodeTable& nodes) {
  table.Reset();
  nodes.Reset();
  std::vector<TMarkRecord> records;
  if (!dataModule.ReadMarkRecords(records)) return false;
  for (const TMarkRecord& rec : records) {
    table.Append(rec);
    if (!IsLineOrTrack(rec.MarkType)) continue;
    for (const TStoredLineNode& node : dataModule.ReadLineNodes(rec.Key))
      nodes.Append(rec.Key, node.Lat, node.Lng);
  }
  return true;
}

}  // namespace velmara

#include "marks/SaveMark.h"

#include "app/base/Geodesy.h"
#include "marks/StoredText.h"

namespace velmara {

int32_t SaveMark(TS3DDataModule& dataModule, TMarkTable& table, TMarkRecord& rec, bool exists) {
  rec.Desc = FirstCharacters(rec.Desc, kStoredTextLength);
  if (!exists) return dataModule.InsertMark(rec);
  if (rec.MarkType == mtLine) {
    if (const TMarkRecord* old = table.Find(rec.Key)) {
      // Micro-degree steps without the longitude wrap, so a move across 0° stays a small step.
      const int32_t dLat = ToMicroDegrees(old->Lat) - ToMicroDegrees(rec.Lat);
      const int32_t dLng = ToMicroDegrees(old->Lng) - ToMicroDegrees(rec.Lng);
      if ((dLat != 0 || dLng != 0) && !dataModule.MoveLineNodes(rec.Key, dLat, dLng)) return -1;
    }
  }
  table.Update(rec);
  return dataModule.UpdateMark(rec);
}

}  // namespace velmara

// The data module's statements on LAKES.
#include <QSqlQuery>
#include <QVariant>

#include "app/base/Geodesy.h"
#include "app/base/NumberFormat.h"
#include "marks/DataModule.h"
#include "marks/StoredText.h"

namespace velmara {

std::vector<std::string> TLakeRow::SubItems() const {
  return {std::to_string(Altitude),
          PositionText(Lat, true, PositionStyle::Prefixed),
          PositionText(Lng, false, PositionStyle::Prefixed),
          std::to_string(LakeId),
          FloatToText(Lat),
          FloatToText(Lng)};
}

std::vector<TLakeRow> TS3DDataModule::FillLakeList() {
  std::vector<TLakeRow> rows;
  const bool ok = Run(TFamily::Adhoc, {{"select * from LAKES order by LAKEID", {}}}, {},
                      [&](QSqlQuery& query) {
                        while (query.next())
                          rows.push_back({query.value("LAKEDESC").toString().toStdString(),
                                          -query.value("ALTITUDE").toInt(),
                                          query.value("LAT").toDouble(), query.value("LNG").toDouble(),
                                          query.value("LAKEID").toInt()});
                      });
  return ok ? rows : std::vector<TLakeRow>{};
}

// The altitude is stored negated: a lake 250 m above the sea is -250, like a depth.
bool TS3DDataModule::InsertLake(const std::string& name, int32_t altitude, double lat, double lng) {
  return ExecuteSQL("insert into LAKES (ALTITUDE, LAT, LNG, LAKEDESC) values (?, ?, ?, ?)",
                    {-altitude, lat, lng, LakeName(name)});
}

bool TS3DDataModule::UpdateLake(int32_t lakeId, const std::string& name, int32_t altitude) {
  return ExecuteSQL("update LAKES set ALTITUDE = ?, LAKEDESC = ? where LAKEID = ?",
                    {-altitude, LakeName(name), lakeId});
}

bool TS3DDataModule::DeleteLake(int32_t lakeId) {
  return Run(TFamily::Mark, {{"delete from LAKES where LAKEID = ?", {lakeId}}}, kDeleteLakeError);
}

}  // namespace velmara

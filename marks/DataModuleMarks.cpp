// The data module's statements on markline, linenodes and mlgroup.
#include <QSqlQuery>
#include <QVariant>

#include "app/base/Geodesy.h"
#include "marks/DataModule.h"
#include "marks/MarkDates.h"
#include "marks/StoredText.h"

namespace velmara {
namespace {

// The columns in the statement's order, with the position encodings of the database.
QVariantList MarkValues(const TMarkRecord& rec) {
  const MicroDegreePair position = ToMicroDegreePair(rec.Lat, rec.Lng);
  return {rec.MarkType, DateTimeFromDays(rec.Date), rec.Group,        position.lat, position.lon,
          rec.Height,   rec.Colour,                 rec.Locked,       StoredText(rec.Desc)};
}

TMarkRecord MarkFromRow(const QSqlQuery& row) {
  TMarkRecord rec;
  rec.Key = row.value("MLKEY").toInt();
  rec.MarkType = row.value("MLTYPE").toInt();
  rec.Date = DaysFromDateTime(row.value("MLDATE"));
  rec.Group = row.value("GRPID").toInt();
  rec.Lat = FromMicroDegrees(row.value("LAT").toInt(), false);
  rec.Lng = FromMicroDegrees(row.value("LNG").toInt(), true);
  rec.Height = row.value("HEIGHT").toInt();
  rec.Colour = row.value("COLOUR").toInt();
  rec.Locked = row.value("LOCKED").toInt();
  rec.Desc = row.value("MLDESC").toString().toStdString();
  return rec;
}

}  // namespace

int32_t TS3DDataModule::InsertMark(const TMarkRecord& rec) {
  // The database hands back the key it assigned, so two marks made in the same instant at the
  // same latitude are still told apart.
  int32_t key = -1;
  const bool ok = Run(TFamily::Mark,
                      {{"insert into markline (MLTYPE, MLDATE, GRPID, LAT, LNG, HEIGHT, COLOUR, "
                        "LOCKED, MLDESC) values (?, ?, ?, ?, ?, ?, ?, ?, ?) returning MLKEY",
                        MarkValues(rec)}},
                      {}, [&](QSqlQuery& query) {
                        if (query.next()) key = query.value(0).toInt();
                      });
  if (!ok) {
    Fail(lastError_, kInsertMarkError);
    return -1;
  }
  return key;
}

int32_t TS3DDataModule::UpdateMark(const TMarkRecord& rec) {
  QVariantList values = MarkValues(rec);
  values.append(rec.Key);
  int32_t updated = 0;
  const bool ok = Run(TFamily::Mark,
                      {{"update markline set MLTYPE = ?, MLDATE = ?, GRPID = ?, LAT = ?, LNG = ?, "
                        "HEIGHT = ?, COLOUR = ?, LOCKED = ?, MLDESC = ? where MLKEY = ?",
                        values}},
                      {}, [&](QSqlQuery& query) { updated = query.numRowsAffected(); });
  if (!ok) return -1;
  if (updated == 0) {
    lastError_ = "No stored mark or line has the key " + std::to_string(rec.Key);
    return -1;
  }
  return rec.Key;
}

bool TS3DDataModule::DeleteMark(int32_t key, int32_t markType) {
  // One transaction: a line never loses its row while keeping its nodes, or the other way round.
  std::vector<TStatement> statements;
  if (IsLineOrTrack(markType)) statements.push_back({"delete from linenodes where LNFKEY = ?", {key}});
  statements.push_back({"delete from markline where MLKEY = ?", {key}});
  return Run(TFamily::Mark, statements, kDeleteMarkError);
}

std::vector<TMarkListRow> TS3DDataModule::FillMarkList(bool marks) {
  if (!plotsLoaded_ && !LoadGroups()) return {};
  std::vector<TMarkListRow> rows;
  const QString sql = marks ? "select * from markline where MLTYPE < 100 order by GRPID, LAT"
                            : "select * from markline where MLTYPE > 99 order by GRPID, LAT";
  const bool ok = Run(TFamily::Adhoc, {{sql, {}}}, {}, [&](QSqlQuery& query) {
    while (query.next()) {
      const TMarkRecord rec = MarkFromRow(query);
      if (rec.MarkType <= 0) continue;
      TMarkListRow row;
      row.LatText = PositionText(rec.Lat, true, PositionStyle::Prefixed);
      row.LngText = PositionText(rec.Lng, false, PositionStyle::Prefixed);
      row.TypeName = MarkTypeName(rec.MarkType);
      row.PlotName = PlotName(rec.Group);
      row.Desc = rec.Desc;
      row.DateText = DateText(query.value("MLDATE"));
      row.TypeText = std::to_string(rec.MarkType);
      row.KeyText = std::to_string(rec.Key);
      rows.push_back(std::move(row));
    }
  });
  return ok ? rows : std::vector<TMarkListRow>{};
}

bool TS3DDataModule::ReadMarkRecords(std::vector<TMarkRecord>& records) {
  records.clear();
  const bool ok = Run(TFamily::Adhoc, {{"select * from markline where MLTYPE > 0 order by MLKEY", {}}},
                      {}, [&](QSqlQuery& query) {
                        while (query.next()) records.push_back(MarkFromRow(query));
                      });
  if (!ok) records.clear();
  return ok;
}

bool TS3DDataModule::InsertLineNode(int32_t lineKey, double lat, double lng, double depth) {
  const MicroDegreePair position = ToMicroDegreePair(lat, lng);
  return Run(TFamily::LineNode,
             {{"insert into linenodes (LNFKEY, LNLAT, LNLNG, DEPTH) values (?, ?, ?, ?)",
               {lineKey, position.lat, position.lon, depth}}},
             {});
}

std::vector<TStoredLineNode> TS3DDataModule::ReadLineNodes(int32_t lineKey) {
  std::vector<TStoredLineNode> nodes;
  const bool ok = Run(TFamily::LineNode,
                      {{"select * from linenodes where LNFKEY = :fkey order by LNKEY", {lineKey}}}, {},
                      [&](QSqlQuery& query) {
                        while (query.next())
                          nodes.push_back({FromMicroDegrees(query.value("LNLAT").toInt(), false),
                                           FromMicroDegrees(query.value("LNLNG").toInt(), true),
                                           query.value("DEPTH").toDouble()});
                      });
  return ok ? nodes : std::vector<TStoredLineNode>{};
}

bool TS3DDataModule::MoveLineNodes(int32_t lineKey, int32_t dLat, int32_t dLng) {
  return ExecuteSQL("update linenodes set LNLAT = LNLAT - ?, LNLNG = LNLNG - ? where LNFKEY = ?",
                    {dLat, dLng, lineKey});
}

bool TS3DDataModule::LoadGroups() {
  std::vector<std::pair<int32_t, std::string>> plots;
  const bool ok = Run(TFamily::Adhoc, {{"select * from mlgroup order by GRPKEY", {}}}, {},
                      [&](QSqlQuery& query) {
                        while (query.next())
                          plots.emplace_back(query.value("GRPKEY").toInt(),
                                             query.value("GRPDESC").toString().toStdString());
                      });
  plots_.clear();
  plotItems_.clear();
  plotsLoaded_ = ok;
  if (!ok) return false;
  plots_ = std::move(plots);
  for (const auto& [key, description] : plots_) plotItems_.push_back(std::to_string(key) + "=" + description);
  return true;
}

int32_t TS3DDataModule::InsertGroup(const std::string& description) {
  int32_t key = -1;
  const bool ok = Run(TFamily::Mark,
                      {{"insert into mlgroup (GRPDESC) values (?) returning GRPKEY",
                        {StoredText(description)}}},
                      {}, [&](QSqlQuery& query) {
                        if (query.next()) key = query.value(0).toInt();
                      });
  return ok ? key : -1;
}

std::string TS3DDataModule::PlotName(int32_t groupKey) const {
  for (const auto& [key, description] : plots_)
    if (key == groupKey) return description;
  return std::to_string(groupKey);
}

}  // namespace velmara

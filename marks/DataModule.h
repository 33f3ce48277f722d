#pragma once
// The data module: the one connection to Bathymetry.FDB and every statement the program runs on it.
// Each operation family keeps its own statement object; every operation runs in a transaction of its
// own that is committed before it returns, or rolled back on failure, so nothing is left open for
// the next operation. Failures are stored as LastError() and reported by the return value
// (-1, false or an empty list); the generic runners also hand their message to ShowMessage.
// Every value reaches the database as a bound parameter. Main thread only.

#include <QString>
#include <QVariantList>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "marks/DatabaseSettings.h"
#include "marks/MarkTable.h"

class QSqlQuery;

namespace velmara {

// One row of the marks-and-lines list: the caption and the sub-item texts in column order.
struct TMarkListRow {
  std::string Caption = "N";  // "Y" once the key is found in the mark table
  std::string LatText, LngText, TypeName, PlotName, Desc, DateText, TypeText, KeyText;
  std::vector<std::string> SubItems() const;
};

// One row of the lakes list.
struct TLakeRow {
  std::string Name;      // the caption
  int32_t Altitude = 0;  // metres above sea level, as entered (the stored value negated)
  double Lat = 0.0, Lng = 0.0;
  int32_t LakeId = 0;
  // Altitude, latitude text, longitude text, id, decimal latitude, decimal longitude.
  std::vector<std::string> SubItems() const;
};

struct TStoredLineNode {
  double Lat = 0.0, Lng = 0.0;
  double Depth = 0.0;  // metres; 0 for nodes of user lines
};

// Message texts of the generic runners and of the inserting operation.
inline constexpr const char* kExecuteSQLError = "[ExecuteSQL] unexpected error=";
inline constexpr const char* kExecuteExistSQLError = "[ExecuteExistSQL] unexpected error=";
inline constexpr const char* kInsertMarkError = "Error saving mark or line. ";
inline constexpr const char* kDeleteMarkError = "Error in DataModule.DeleteMark. Error=";
inline constexpr const char* kDeleteLakeError = "Error in DataModule.DeleteLake. Error=";

class TS3DDataModule {
public:
  explicit TS3DDataModule(TDatabaseSettings settings = DefaultDatabaseSettings());
  ~TS3DDataModule();
  TS3DDataModule(const TS3DDataModule&) = delete;
  TS3DDataModule& operator=(const TS3DDataModule&) = delete;

  // Opens the connection if it is not open. An embedded database file that does not exist is
  // created with its tables; missing tables are added to an existing one.
  bool Connect();
  bool Connected() const;
  const TDatabaseSettings& Settings() const { return settings_; }

  const std::string& LastError() const { return lastError_; }
  // Where the generic runners and InsertMark show their messages (a message box in the program).
  std::function<void(const std::string&)> ShowMessage;

  // A statement that returns no rows; `values` bind to its "?" placeholders in order.
  bool ExecuteSQL(const QString& sql, const QVariantList& values = {});
  // Whether a query returns at least one row.
  bool ExecuteExistSQL(const QString& sql, const QVariantList& values = {});

  // Marks and lines (markline).
  int32_t InsertMark(const TMarkRecord& rec);  // the new key, or -1
  int32_t UpdateMark(const TMarkRecord& rec);  // rec.Key, or -1
  // Removes the row, and the nodes first for lines and tracks; false on failure.
  bool DeleteMark(int32_t key, int32_t markType);
  // The marks (MLTYPE < 100) or the lines and tracks (> 99), by plot and latitude; types <= 0 are
  // never listed.
  std::vector<TMarkListRow> FillMarkList(bool marks);
  // Every stored row with a type above 0, by key, for loading the mark table; false on failure.
  bool ReadMarkRecords(std::vector<TMarkRecord>& records);

  // Line nodes (linenodes), in the order they were stored.
  bool InsertLineNode(int32_t lineKey, double lat, double lng, double depth = 0.0);
  std::vector<TStoredLineNode> ReadLineNodes(int32_t lineKey);
  // Moves every node of a line by the given micro-degree steps (subtracted, as old − new).
  bool MoveLineNodes(int32_t lineKey, int32_t dLat, int32_t dLng);

  // Plots (mlgroup). The plot list holds "key=description" items.
  bool LoadGroups();
  int32_t InsertGroup(const std::string& description);  // the new key, or -1
  const std::vector<std::string>& PlotList() const { return plotItems_; }
  // The plot list's description for a key; the key as text when the list has no such plot.
  std::string PlotName(int32_t groupKey) const;

  // Lakes. Names are stored trimmed and without quote characters.
  std::vector<TLakeRow> FillLakeList();
  bool InsertLake(const std::string& name, int32_t altitude, double lat, double lng);
  bool UpdateLake(int32_t lakeId, const std::string& name, int32_t altitude);
  bool DeleteLake(int32_t lakeId);

private:
  enum class TFamily { Mark, Adhoc, Adhoc2, LineNode };
  struct TStatement {
    QString sql;
    QVariantList values;
  };
  struct TConnection;

  // Runs the statements in order in one transaction of the family's statement object; `walk` sees
  // the last statement's rows. On failure LastError() := errorPrefix + message.
  bool Run(TFamily family, const std::vector<TStatement>& statements, const std::string& errorPrefix,
           const std::function<void(QSqlQuery&)>& walk = {});
  bool Open(std::string& error);
  void Fail(const std::string& message, const char* shownPrefix);

  TDatabaseSettings settings_;
  QString connectionName_;
  std::unique_ptr<TConnection> connection_;
  std::string lastError_;
  std::vector<std::pair<int32_t, std::string>> plots_;
  std::vector<std::string> plotItems_;
  bool plotsLoaded_ = false;
};

}  // namespace velmara

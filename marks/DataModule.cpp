#include "marks/DataModule.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <atomic>
#include <filesystem>

#include "marks/DatabaseFile.h"
#include "marks/Schema.h"
#include "marks/TransactionGuard.h"

namespace velmara {

// The connection and one statement object per operation family. Qt gives a connection one
// transaction at a time; the families never overlap (main thread, each commits before it returns),
// so they share the connection's transaction slot in turn.
struct TS3DDataModule::TConnection {
  struct TStatements {
    explicit TStatements(const QSqlDatabase& db)
        : MarkQuery(db), AdhocQuery(db), Adhoc2(db), LineNodeQuery2(db) {}
    QSqlQuery MarkQuery;       // writing and deleting marks, lines and lakes
    QSqlQuery AdhocQuery;      // ExecuteExistSQL and the list readers
    QSqlQuery Adhoc2;          // ExecuteSQL
    QSqlQuery LineNodeQuery2;  // line nodes
  };

  explicit TConnection(QSqlDatabase database)
      : db(std::move(database)), statements(std::make_unique<TStatements>(db)) {}
  ~TConnection() {
    statements.reset();  // statements go before the connection closes
    db.close();
  }
  TConnection(const TConnection&) = delete;
  TConnection& operator=(const TConnection&) = delete;

  QSqlQuery& For(TFamily family) {
    switch (family) {
      case TFamily::Mark: return statements->MarkQuery;
      case TFamily::Adhoc: return statements->AdhocQuery;
      case TFamily::Adhoc2: return statements->Adhoc2;
      case TFamily::LineNode: break;
    }
    return statements->LineNodeQuery2;
  }

  QSqlDatabase db;
  std::unique_ptr<TStatements> statements;
};

namespace {

QString NextConnectionName() {
  static std::atomic<int> counter{0};
  return QStringLiteral("velmara_bathymetry_%1").arg(++counter);
}

std::string ErrorText(const QSqlError& error) {
  QString text = error.text().trimmed();
  if (text.isEmpty()) text = QStringLiteral("unknown database error");
  return text.toStdString();
}

}  // namespace

std::vector<std::string> TMarkListRow::SubItems() const {
  return {LatText, LngText, TypeName, PlotName, Desc, DateText, TypeText, KeyText};
}

TS3DDataModule::TS3DDataModule(TDatabaseSettings settings)
    : settings_(std::move(settings)), connectionName_(NextConnectionName()) {}

TS3DDataModule::~TS3DDataModule() {
  connection_.reset();
  QSqlDatabase::removeDatabase(connectionName_);
}

bool TS3DDataModule::Connected() const { return connection_ && connection_->db.isOpen(); }

bool TS3DDataModule::Connect() {
  if (Connected()) return true;
  connection_.reset();
  std::string error;
  if (!Open(error)) {
    lastError_ = error;
    return false;
  }
  return true;
}

bool TS3DDataModule::Open(std::string& error) {
  if (!NamesServer(settings_.Database)) {
    const std::filesystem::path file(settings_.Database);
    std::error_code ec;
    if (!std::filesystem::exists(file, ec)) {
      if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), ec);
      if (!CreateDatabaseFile(settings_, error)) {
        error = "Cannot create the database " + settings_.Database + ": " + error;
        return false;
      }
    }
  }
  QSqlDatabase db = QSqlDatabase::contains(connectionName_)
                        ? QSqlDatabase::database(connectionName_, false)
                        : QSqlDatabase::addDatabase(QStringLiteral("QIBASE"), connectionName_);
  if (!db.isValid()) {
    error = "The Firebird SQL driver (QIBASE) is not available";
    return false;
  }
  db.setDatabaseName(QString::fromStdString(settings_.Database));
  db.setUserName(QString::fromStdString(settings_.User));
  db.setPassword(QString::fromStdString(settings_.Password));
  db.setConnectOptions(QStringLiteral("ISC_DPB_LC_CTYPE=") + QString::fromStdString(settings_.Charset));
  if (!db.open()) {
    error = "Cannot open the database " + settings_.Database + ": " + ErrorText(db.lastError());
    return false;
  }
  auto connection = std::make_unique<TConnection>(db);
  if (!EnsureSchema(connection->db, error)) {
    error = "Cannot prepare the tables of " + settings_.Database + ": " + error;
    return false;
  }
  connection_ = std::move(connection);
  return true;
}

void TS3DDataModule::Fail(const std::string& message, const char* shownPrefix) {
  lastError_ = message;
  if (shownPrefix && ShowMessage) ShowMessage(shownPrefix + message);
}

bool TS3DDataModule::Run(TFamily family, const std::vector<TStatement>& statements,
                         const std::string& errorPrefix, const std::function<void(QSqlQuery&)>& walk) {
  if (!Connect()) {
    lastError_ = errorPrefix + lastError_;
    return false;
  }
  QSqlDatabase& db = connection_->db;
  QSqlQuery& query = connection_->For(family);
  TTransactionGuard transaction(db);
  if (!transaction.Active()) {
    lastError_ = errorPrefix + ErrorText(db.lastError());
    return false;
  }
  for (const TStatement& statement : statements) {
    query.finish();
    if (!query.prepare(statement.sql)) {
      lastError_ = errorPrefix + ErrorText(query.lastError());
      return false;
    }
    for (const QVariant& value : statement.values) query.addBindValue(value);
    if (!query.exec()) {
      lastError_ = errorPrefix + ErrorText(query.lastError());
      query.finish();
      return false;
    }
  }
  if (walk) walk(query);
  query.finish();
  if (!transaction.Commit()) {
    lastError_ = errorPrefix + ErrorText(db.lastError());
    return false;
  }
  return true;
}

bool TS3DDataModule::ExecuteSQL(const QString& sql, const QVariantList& values) {
  if (Run(TFamily::Adhoc2, {{sql, values}}, {})) return true;
  Fail(lastError_, kExecuteSQLError);
  return false;
}

bool TS3DDataModule::ExecuteExistSQL(const QString& sql, const QVariantList& values) {
  bool exists = false;
  if (Run(TFamily::Adhoc, {{sql, values}}, {}, [&](QSqlQuery& query) { exists = query.next(); }))
    return exists;
  Fail(lastError_, kExecuteExistSQLError);
  return false;
}

}  // namespace velmara

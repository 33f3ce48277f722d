#pragma once
// One database transaction: rolled back when it goes out of scope without Commit(), so a failed
// operation always leaves the next one a clean start.

#include <QSqlDatabase>

namespace velmara {

class TTransactionGuard {
public:
  explicit TTransactionGuard(QSqlDatabase& db);
  ~TTransactionGuard();
  TTransactionGuard(const TTransactionGuard&) = delete;
  TTransactionGuard& operator=(const TTransactionGuard&) = delete;

  // False when no transaction could be started.
  bool Active() const { return active_; }
  bool Commit();

private:
  QSqlDatabase& db_;
  bool active_ = false;
};

}  // namespace velmara

#include "marks/TransactionGuard.h"

namespace velmara {

TTransactionGuard::TTransactionGuard(QSqlDatabase& db) : db_(db) {
  active_ = db_.transaction();
  if (!active_ && db_.isOpen()) {
    // Something left a transaction open: commit what it did, then start afresh.
    db_.commit();
    active_ = db_.transaction();
  }
}

TTransactionGuard::~TTransactionGuard() {
  if (active_) db_.rollback();
}

bool TTransactionGuard::Commit() {
  if (!active_) return false;
  active_ = false;
  if (db_.commit()) return true;
  db_.rollback();
  return false;
}

}  // namespace velmara

#pragma once
// At most one running program per program path. The first instance holds a lock file and listens
// on a local socket, both keyed by the upper-cased program path (slashes as underscores); a later
// instance finds the lock taken, asks the first to raise its window, and ends.

#include <QLockFile>
#include <QLocalServer>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

namespace velmara {

class TSingleInstance : public QObject {
public:
  explicit TSingleInstance(const QString& programPath);
  ~TSingleInstance() override;

  static QString KeyFor(const QString& programPath);

  // True for the first instance. A later one has asked the first to come forward (when it could
  // reach it) and should end.
  bool IsFirst() const { return first_; }
  // Run in the first instance when a later one asks it to come forward.
  std::function<void()> OnRaiseRequest;

private:
  void Accept();

  QString key_;
  std::unique_ptr<QLockFile> lock_;
  QLocalServer server_;
  bool first_ = false;
};

}  // namespace velmara

#include "app/shell/VelmaraApplication.h"

#include "app/shell/ErrorLog.h"
#include "app/shell/ProgramValues.h"

#include <QMessageBox>

#include <cstdlib>
#include <exception>

namespace velmara {

TVelmaraApplication::TVelmaraApplication(int& argc, char** argv) : QApplication(argc, argv) {}

void TVelmaraApplication::LogUncaught(const std::string& message, const std::string& where) {
  TErrorLog(TErrorLog::FileFor(Program().ProgramDir)).Append(message, where);
}

bool TVelmaraApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    const std::string where = receiver ? receiver->objectName().toStdString() + " event " + std::to_string(event->type()) : "event";
    LogUncaught(error.what(), where);
    if (!std::getenv("VELMARA_NO_MESSAGE_BOXES")) QMessageBox::critical(nullptr, "Velmara", QString::fromUtf8(error.what()));
  }
  return false;
}

}  // namespace velmara

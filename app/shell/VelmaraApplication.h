#pragma once
// The Qt application of the program: an exception that escapes an event handler is written to the
// error log (date, message, where) and shown, instead of ending the program.

#include <QApplication>

#include <string>

namespace velmara {

class TVelmaraApplication : public QApplication {
public:
  TVelmaraApplication(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;

  // Records an exception nobody handled.
  static void LogUncaught(const std::string& message, const std::string& where);
};

}  // namespace velmara

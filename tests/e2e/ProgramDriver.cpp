#include "tests/e2e/ProgramDriver.h"

#include "app/view/ControlCommands.h"
#include "platform/MessagePort.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QScreen>
#include <QSet>

#include <iterator>

namespace velmara::test {

bool WaitFor(const std::function<bool()>& ready, int milliseconds) {
  QElapsedTimer clock;
  clock.start();
  while (!ready()) {
    if (clock.elapsed() > milliseconds) return false;
    QApplication::processEvents(QEventLoop::AllEvents, 100);
  }
  return true;
}

void Pause(int milliseconds) { WaitFor([] { return false; }, milliseconds); }

QImage Screen() { return QGuiApplication::primaryScreen()->grabWindow(0).toImage(); }

int ColoursInCentre(const QImage& image) {
  QSet<QRgb> colours;
  for (int y = image.height() / 3; y < 2 * image.height() / 3; y += 3)
    for (int x = image.width() / 3; x < 2 * image.width() / 3; x += 3) colours.insert(image.pixel(x, y));
  return static_cast<int>(colours.size());
}

bool PressControl(const char* name, int item) {
  return platform::PostMessage("TView3Dfrm", {PressMessage, ControlNameHash(name), item});
}

bool HoldKeys(std::initializer_list<int> keys, int milliseconds) {
  for (const int key : keys)
    if (!platform::PostMessage("TView3Dfrm", {KeyMessage, key, 1})) return false;
  Pause(milliseconds);
  bool released = true;
  for (auto key = std::rbegin(keys); key != std::rend(keys); ++key)
    released = platform::PostMessage("TView3Dfrm", {KeyMessage, *key, 0}) && released;
  return released;
}

namespace {

// The program's error log in the working folder: where it writes its state lines.
QString LogText() {
  QFile log("velmara.errlog");
  return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
}

}  // namespace

QString ReportedState() {
  const int before = static_cast<int>(LogText().count("state lat="));
  if (!platform::PostMessage("TView3Dfrm", {ReportStateMessage, 0, 0})) return {};
  QString text;
  if (!WaitFor([&] { return (text = LogText()).count("state lat=") > before; }, 10000)) return {};
  return text.mid(text.lastIndexOf("state lat=")).section('\n', 0, 0);
}

double StateNumber(const QString& state, const char* key) {
  return QRegularExpression(QString("\\b%1=(-?[0-9.]+)").arg(key)).match(state).captured(1).toDouble();
}

QString StateWord(const QString& state, const char* key) {
  return QRegularExpression(QString("\\b%1=(\\S*)").arg(key)).match(state).captured(1);
}

}  // namespace velmara::test

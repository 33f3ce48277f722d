#include "tests/e2e/ProgramDriver.h"

#include "app/view/ControlCommands.h"
#include "platform/MessagePort.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScreen>
#include <QSet>

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

}  // namespace velmara::test

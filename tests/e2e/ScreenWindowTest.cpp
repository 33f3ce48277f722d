// The e2e fixture: a real window on the X server (Xvfb), shown, mapped and read back from the screen
// the way a person would see it. The screenshot is kept in e2e-screenshots/ of the build folder.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QWindow>
#include <QWidget>

namespace {

TEST(ScreenWindow, ShownWindowAppearsOnTheScreen) {
  ASSERT_EQ(QGuiApplication::platformName(), "xcb") << "run under Xvfb";
  QWidget window;
  window.setWindowTitle("VELMARA 3D");
  window.setStyleSheet("background: rgb(10, 60, 120);");
  window.setGeometry(100, 100, 320, 200);
  window.show();

  QElapsedTimer clock;
  clock.start();
  while (!window.windowHandle() || !window.windowHandle()->isExposed()) {
    QApplication::processEvents(QEventLoop::AllEvents, 50);
    ASSERT_LT(clock.elapsed(), 5000) << "window never exposed";
  }
  QImage screen;
  do {  // the X server paints the window a little after it is exposed
    QApplication::processEvents(QEventLoop::AllEvents, 50);
    screen = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
  } while (screen.pixelColor(window.geometry().center()) != QColor(10, 60, 120) && clock.elapsed() < 5000);

  QDir().mkpath("e2e-screenshots");
  screen.save("e2e-screenshots/screen-window.png");
  EXPECT_EQ(screen.pixelColor(window.geometry().center()), QColor(10, 60, 120));
  EXPECT_NE(screen.pixelColor(5, 5), QColor(10, 60, 120));
}

}  // namespace

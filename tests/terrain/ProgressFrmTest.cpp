// The progress window driven through its message port, as the loading thread drives it.
#include "terrain/ProgressFrm.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <atomic>
#include <thread>

#include "tests/support/IsolatedNames.h"

namespace velmara {
namespace {

QString Text(const QWidget& form, const char* name) { return form.findChild<QLabel*>(name)->text(); }

TEST(ProgressFrm, MessagesFromAnotherThreadDriveTheControls) {
  test::IsolatedNames names;
  TProgressFrm form;
  EXPECT_EQ(form.windowTitle(), "Progress");
  EXPECT_EQ(form.size(), QSize(331, 117));
  EXPECT_TRUE(form.isVisible());
  EXPECT_EQ(Text(form, "lblDP"), "Depth Pts:");

  std::atomic<bool> sent{false};
  std::thread loader([&] {
    platform::SendMessage(TProgressFrm::PortName, {StatusWindowMessage, 1, 1234567});
    platform::SendMessage(TProgressFrm::PortName, {ProgressWindowMessage, -1, 100});
    sent = true;
  });
  QElapsedTimer clock;
  clock.start();
  while (!sent && clock.elapsed() < 5000) QApplication::processEvents(QEventLoop::AllEvents, 10);
  loader.join();
  EXPECT_EQ(Text(form, "lblPoints"), "1,234,567");
  EXPECT_EQ(Text(form, "pbarlbl"), "Rendering...");
  EXPECT_EQ(form.findChild<QProgressBar*>("ProgressBar1")->value(), 50);

  platform::SendMessage(TProgressFrm::PortName, {ProgressWindowMessage, 0, 0});
  EXPECT_FALSE(form.isVisible());
}

TEST(ProgressFrm, DarkAndLightSchemes) {
  test::IsolatedNames names;
  TProgressFrm form;
  auto colour = [&](const char* name) { return form.findChild<QLabel*>(name)->palette().color(QPalette::WindowText); };
  EXPECT_EQ(colour("lblPoints"), QColor(Qt::cyan));
  EXPECT_EQ(colour("lblDP"), QColor(Qt::white));
  EXPECT_EQ(form.palette().color(QPalette::Window), QColor(0x3F, 0x3F, 0x3F));
  form.SetDarkScheme(false);
  EXPECT_EQ(colour("lblPoints"), QColor(Qt::blue));
  EXPECT_EQ(colour("lblDP"), QColor(Qt::black));
}

}  // namespace
}  // namespace velmara

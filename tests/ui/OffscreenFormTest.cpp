// The ui fixture: Qt widgets laid out and painted on the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

namespace {

TEST(OffscreenForm, WidgetsFindableByObjectNameAndPainted) {
  ASSERT_EQ(QGuiApplication::platformName(), "offscreen");
  QWidget form;
  form.setObjectName("frmSample");
  form.setStyleSheet("QWidget#frmSample { background: rgb(0, 128, 255); }");
  auto* layout = new QVBoxLayout(&form);
  auto* button = new QPushButton("Continue", &form);
  button->setObjectName("btnContinue");
  layout->addWidget(button);
  layout->addStretch();
  form.resize(200, 120);
  form.show();
  QApplication::processEvents();

  auto* found = form.findChild<QPushButton*>("btnContinue");
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(found->text(), "Continue");
  bool clicked = false;
  QObject::connect(found, &QPushButton::clicked, [&] { clicked = true; });
  found->click();
  EXPECT_TRUE(clicked);

  const QImage picture = form.grab().toImage();
  EXPECT_EQ(picture.pixelColor(picture.width() - 2, picture.height() - 2), QColor(0, 128, 255));
}

}  // namespace

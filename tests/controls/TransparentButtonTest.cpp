// The picture button: which picture shows when, hover font, frames, caption placement, clicks.
#include "controls/KVTTransBtn.h"
#include "tests/controls/ControlsUiFixtures.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QEnterEvent>
#include <QMenu>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

namespace velmara {
namespace {

using test::ColouredForm;
using test::Painted;

const QColor FormColour(0, 0, 128);

class TransparentButton : public ::testing::Test {
protected:
  TransparentButton() {
    // A strip of three 10 × 10 pictures: red, blue, green.
    QPixmap strip(30, 10);
    QPainter painter(&strip);
    painter.fillRect(0, 0, 10, 10, Qt::red);
    painter.fillRect(10, 0, 10, 10, Qt::blue);
    painter.fillRect(20, 0, 10, 10, Qt::green);
    painter.end();
    images_ = TImageList::FromStrip(strip, {10, 10});
    button_ = new TKVTTransparentButton(&form_, "btnPlotter");
    button_->setGeometry(20, 20, 40, 40);
    button_->ActiveImage = {&images_, 0};
    form_.show();
    QApplication::processEvents();
  }
  QColor PictureColour() const {
    const QImage image = Painted(*button_);
    return image.pixelColor(button_->PictureRect().center());
  }
  void Hover(bool over) {
    if (over) {
      QEnterEvent enter(QPointF(5, 5), QPointF(25, 25), QPointF(25, 25));
      QApplication::sendEvent(button_, &enter);
    } else {
      QEvent leave(QEvent::Leave);
      QApplication::sendEvent(button_, &leave);
    }
  }

  ColouredForm form_{FormColour};
  TImageList images_;
  TKVTTransparentButton* button_ = nullptr;
};

TEST_F(TransparentButton, ImageListCutsTheStripInOrder) {
  ASSERT_EQ(images_.Count(), 3);
  EXPECT_EQ(images_.Picture(1).toImage().pixelColor(5, 5), QColor(Qt::blue));
  EXPECT_TRUE(images_.Picture(3).isNull());
  EXPECT_EQ(button_->objectName(), "btnPlotter");
}

TEST_F(TransparentButton, AutoGrayShowsGreyUntilTheMouseIsOver) {
  button_->SetAutoGray(true);
  const QColor grey = PictureColour();
  EXPECT_TRUE(test::Greyish(grey)) << grey.name().toStdString();
  Hover(true);
  EXPECT_EQ(PictureColour(), QColor(Qt::red));
  Hover(false);
  // A grey picture of its own replaces the made one.
  button_->GrayImage = {&images_, 1};
  button_->update();
  EXPECT_EQ(PictureColour(), QColor(Qt::blue));
  button_->SetAutoGray(false);
  EXPECT_EQ(PictureColour(), QColor(Qt::red));
}

TEST_F(TransparentButton, DisabledAndDownPictures) {
  button_->setEnabled(false);
  const QColor pale = PictureColour();
  EXPECT_TRUE(test::Greyish(pale));
  EXPECT_GT(pale.red(), 128) << "paler than the grey of red";
  button_->DisabledImage = {&images_, 2};
  EXPECT_EQ(PictureColour(), QColor(Qt::green));
  button_->setEnabled(true);

  button_->SetDown(true);
  EXPECT_EQ(PictureColour(), QColor(Qt::red)) << "no down picture: the active one";
  button_->DownImage = {&images_, 1};
  EXPECT_EQ(PictureColour(), QColor(Qt::blue));

  // The tool-bar way: one list, all four at one index, switched together.
  button_->SetAllImages(&images_, 2);
  button_->SetDown(false);
  EXPECT_EQ(PictureColour(), QColor(Qt::green));
  button_->SetAllIndices(1);
  EXPECT_EQ(PictureColour(), QColor(Qt::blue));
}

TEST_F(TransparentButton, ClickReportsAndLeavesDownToTheOwner) {
  QSignalSpy clicks(button_, &TKVTTransparentButton::OnClick);
  QSignalSpy downs(button_, &TKVTTransparentButton::OnMouseDown);
  QSignalSpy ups(button_, &TKVTTransparentButton::OnMouseUp);
  button_->DownImage = {&images_, 2};
  const QRect up = button_->PictureRect();

  QTest::mousePress(button_, Qt::LeftButton, {}, {20, 20});
  EXPECT_EQ(PictureColour(), QColor(Qt::green)) << "pressed shows the down picture";
  EXPECT_EQ(button_->PictureRect(), up.translated(1, 1));
  QTest::mouseRelease(button_, Qt::LeftButton, {}, {20, 20});
  EXPECT_EQ(clicks.count(), 1);
  EXPECT_EQ(downs.count(), 1);
  EXPECT_EQ(ups.count(), 1);
  EXPECT_FALSE(button_->Down());
  EXPECT_EQ(PictureColour(), QColor(Qt::red));

  // Released outside: no click. Without ShowPressed a press does not look down.
  button_->SetShowPressed(false);
  QTest::mousePress(button_, Qt::LeftButton, {}, {20, 20});
  EXPECT_EQ(PictureColour(), QColor(Qt::red));
  QTest::mouseRelease(button_, Qt::LeftButton, {}, {100, 100});
  EXPECT_EQ(clicks.count(), 1);

  button_->setEnabled(false);
  QTest::mouseClick(button_, Qt::LeftButton, {}, {20, 20});
  EXPECT_EQ(clicks.count(), 1);
}

TEST_F(TransparentButton, HiFontAndItsColourWhileTheMouseIsOver) {
  QFont hi = button_->font();
  hi.setBold(true);
  hi.setPixelSize(16);
  button_->SetHiFont(hi);
  button_->SetHiFontColor(Qt::yellow);
  button_->SetFontColor(Qt::cyan);
  button_->SetFrameStyle(TFrameStyle::fsNone);
  button_->SetCaption("Plot");
  button_->setGeometry(20, 20, 80, 50);
  QSignalSpy enters(button_, &TKVTTransparentButton::OnMouseEnter);
  QSignalSpy exits(button_, &TKVTTransparentButton::OnMouseExit);

  EXPECT_GT(test::CountColour(Painted(*button_), Qt::cyan), 5);
  EXPECT_EQ(test::CountColour(Painted(*button_), Qt::yellow), 0);
  Hover(true);
  EXPECT_EQ(button_->ShownFont(), hi);
  EXPECT_GT(test::CountColour(Painted(*button_), Qt::yellow), 5);
  EXPECT_EQ(test::CountColour(Painted(*button_), Qt::cyan, 20), 0);
  Hover(false);
  EXPECT_EQ(button_->ShownFont(), button_->font());
  EXPECT_EQ(enters.count(), 1);
  EXPECT_EQ(exits.count(), 1);
}

TEST_F(TransparentButton, TransparentShowsTheFormElseColorFills) {
  button_->SetFrameStyle(TFrameStyle::fsNone);
  EXPECT_EQ(Painted(*button_).pixelColor(2, 2), FormColour);
  button_->SetTransparent(false);
  button_->SetColor(QColor(0x3F, 0x3F, 0x3F));
  EXPECT_EQ(Painted(*button_).pixelColor(2, 2), QColor(0x3F, 0x3F, 0x3F));
}

TEST_F(TransparentButton, FrameStylesDrawWhenTheyShould) {
  const auto corner = [&] { return QColor(Painted(*button_).pixel(0, 0)); };
  const QColor light(button_->palette().color(QPalette::Light).rgb());
  const QColor dark(button_->palette().color(QPalette::Dark).rgb());
  button_->SetFrameStyle(TFrameStyle::fsRegular);
  EXPECT_EQ(corner(), light);
  button_->SetDown(true);
  EXPECT_EQ(corner(), dark);
  button_->SetDown(false);

  button_->SetFrameStyle(TFrameStyle::fsIndent);
  EXPECT_EQ(corner(), dark);
  button_->SetFrameStyle(TFrameStyle::fsLight);
  EXPECT_EQ(corner(), FormColour) << "flat until the mouse comes";
  Hover(true);
  EXPECT_EQ(corner(), QColor(Qt::white));
  Hover(false);
  button_->SetFrameStyle(TFrameStyle::fsExplorer);
  EXPECT_EQ(corner(), FormColour);
  button_->SetFrameStyle(TFrameStyle::fsDark);
  EXPECT_EQ(corner(), QColor(0x80, 0x80, 0x80));
  button_->SetFrameStyle(TFrameStyle::fsMono);
  button_->SetFontColor(Qt::magenta);
  EXPECT_EQ(corner(), QColor(Qt::magenta));
  button_->SetFrameStyle(TFrameStyle::fsNone);
  EXPECT_EQ(corner(), FormColour);

  // Wider borders are drawn further in.
  button_->SetFrameStyle(TFrameStyle::fsRegular);
  button_->SetBorderWidth(3);
  EXPECT_EQ(QColor(Painted(*button_).pixel(2, 2)), light);
  button_->SetBorderWidth(1);
  EXPECT_EQ(Painted(*button_).pixelColor(2, 2), FormColour);
}

const struct AlignCase {
  const char* name;
  TTextAlign align;
  int captionVsPicture;  // -1 caption above / left of the picture, +1 below / right, 0 over it
  bool horizontal;
} AlignCases[] = {
    {"top", TTextAlign::ttaTop, -1, false},          {"bottom", TTextAlign::ttaBottom, 1, false},
    {"top left", TTextAlign::ttaTopLeft, -1, false}, {"bottom right", TTextAlign::ttaBottomRight, 1, false},
    {"left", TTextAlign::ttaLeft, -1, true},         {"right", TTextAlign::ttaRight, 1, true},
    {"centre", TTextAlign::ttaCenter, 0, false},
};

class ButtonCaption : public TransparentButton, public ::testing::WithParamInterface<AlignCase> {};

TEST_P(ButtonCaption, GoesWhereTextAlignSaysWithSpacingToThePicture) {
  const AlignCase& c = GetParam();
  button_->setGeometry(10, 10, 90, 60);
  button_->SetCaption("Go");
  button_->SetSpacing(6);
  button_->SetTextAlign(c.align);
  const QRect caption = button_->CaptionRect(), picture = button_->PictureRect();
  ASSERT_FALSE(caption.isEmpty());
  if (c.captionVsPicture == 0) {
    EXPECT_EQ(caption.center(), picture.center());
  } else if (c.horizontal) {
    const int gap = c.captionVsPicture < 0 ? picture.left() - caption.right() - 1 : caption.left() - picture.right() - 1;
    EXPECT_GE(gap, 6);
  } else {
    const int gap = c.captionVsPicture < 0 ? picture.top() - caption.bottom() - 1 : caption.top() - picture.bottom() - 1;
    EXPECT_GE(gap, 6);
  }
  if (c.align == TTextAlign::ttaTopLeft) {
    EXPECT_LT(caption.left(), picture.left());
  }
  if (c.align == TTextAlign::ttaBottomRight) {
    EXPECT_GT(caption.right(), picture.right());
  }
}

INSTANTIATE_TEST_SUITE_P(Aligns, ButtonCaption, ::testing::ValuesIn(AlignCases), [](const auto& info) {
  std::string name = info.param.name;
  for (char& c : name)
    if (c == ' ') c = '_';
  return name;
});

TEST_F(TransparentButton, WordWrapBreaksALongCaption) {
  button_->setGeometry(10, 10, 60, 80);
  button_->SetCaption("Net Track Line");
  const int single = button_->CaptionRect().height();
  button_->SetWordWrap(true);
  EXPECT_GT(button_->CaptionRect().height(), single);
}

}  // namespace
}  // namespace velmara

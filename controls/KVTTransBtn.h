#pragma once
// A picture button on a transparent background (the tool-bar buttons). It shows one of four
// pictures, each an index into an image list: the active picture; the grey one while AutoGray is
// on and the mouse is elsewhere; the down one while Down (or pressed, with ShowPressed); the
// disabled one when disabled. A missing grey or disabled picture is made from the active one;
// a missing down picture is the active one.
//
// Down is the owner's to set: a click reports OnClick and leaves Down alone, so that pairs such as
// day/night ("press this one and release the other") and toggles are kept by their owners.
//
// The caption goes where TextAlign says inside the frame, and the picture is centred in the rest,
// Spacing pixels from the caption; ttaCenter draws the caption over the centred picture. Font and
// FontColor are the caption's look, HiFont and HiFontColor while the mouse is over the button.
// Frames are BorderWidth pixels wide:
//   fsRegular  raised, sunken while down       fsIndent  always sunken
//   fsExplorer raised under the mouse, sunken while down, else none
//   fsLight    as fsExplorer in light colours  fsDark    raised in dark colours, sunken while down
//   fsMono     a line in the caption colour    fsNone    none
// Transparent leaves the background to the parent; otherwise Color fills it.

#include "controls/ImageList.h"

#include <QColor>
#include <QFont>
#include <QPointer>
#include <QWidget>

class QMenu;

namespace velmara {

enum class TFrameStyle { fsRegular, fsIndent, fsExplorer, fsNone, fsLight, fsDark, fsMono };
enum class TTextAlign { ttaTopLeft, ttaTop, ttaTopRight, ttaRight, ttaBottomRight, ttaBottom, ttaBottomLeft, ttaLeft, ttaCenter };

// One picture source: an image list (not owned) and an index into it.
struct TPictureSource {
  const TImageList* Images = nullptr;
  int Index = -1;
  QPixmap Picture() const { return Images ? Images->Picture(Index) : QPixmap(); }
};

class TKVTTransparentButton : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
  Q_PROPERTY(QColor Color READ Color WRITE SetColor)
  Q_PROPERTY(QFont HiFont READ HiFont WRITE SetHiFont)
  Q_PROPERTY(bool Down READ Down WRITE SetDown)
  Q_PROPERTY(bool AutoGray READ AutoGray WRITE SetAutoGray)
  Q_PROPERTY(int BorderWidth READ BorderWidth WRITE SetBorderWidth)
  Q_PROPERTY(bool ShowPressed READ ShowPressed WRITE SetShowPressed)
  Q_PROPERTY(int Spacing READ Spacing WRITE SetSpacing)
  Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
  Q_PROPERTY(bool WordWrap READ WordWrap WRITE SetWordWrap)

public:
  explicit TKVTTransparentButton(QWidget* parent = nullptr, const QString& name = {});

  QString Caption() const { return caption_; }
  void SetCaption(const QString& caption);
  QColor Color() const { return color_; }
  void SetColor(const QColor& color);
  // Font is the widget's font.
  QFont HiFont() const { return hiFont_; }
  void SetHiFont(const QFont& font);
  QColor FontColor() const { return fontColor_; }
  void SetFontColor(const QColor& color);
  QColor HiFontColor() const { return hiFontColor_; }
  void SetHiFontColor(const QColor& color);
  bool Down() const { return down_; }
  void SetDown(bool down);
  bool AutoGray() const { return autoGray_; }
  void SetAutoGray(bool on);
  int BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int width);
  TFrameStyle FrameStyle() const { return frameStyle_; }
  void SetFrameStyle(TFrameStyle style);
  bool ShowPressed() const { return showPressed_; }
  void SetShowPressed(bool on);
  int Spacing() const { return spacing_; }
  void SetSpacing(int pixels);
  TTextAlign TextAlign() const { return textAlign_; }
  void SetTextAlign(TTextAlign align);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool on);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool on);
  // Shown on a right click; not owned.
  QMenu* PopUpMenu() const;
  void SetPopUpMenu(QMenu* menu);

  TPictureSource ActiveImage, GrayImage, DisabledImage, DownImage;
  // Sets the lists and indices of all four pictures at once (the tool buttons' usual set-up).
  void SetAllImages(const TImageList* images, int index);
  void SetAllIndices(int index);

  // What is shown now: the picture, the caption's font, and where both go.
  QPixmap ShownPicture() const;
  QFont ShownFont() const;
  QColor ShownFontColor() const;
  QRect PictureRect() const;
  QRect CaptionRect() const;
  bool MouseOver() const { return mouseOver_; }

  QSize sizeHint() const override;

signals:
  void OnClick();
  void OnMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint at);
  void OnMouseMove(Qt::KeyboardModifiers shift, QPoint at);
  void OnMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint at);
  void OnMouseEnter();
  void OnMouseExit();

protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void changeEvent(QEvent* event) override;

private:
  struct Layout {
    QRect picture;
    QRect caption;
  };
  bool LooksDown() const;
  int FrameWidth() const;
  QRect CaptionArea() const;
  Layout ComputeLayout() const;
  int CaptionFlags() const;
  void DrawFrame(QPainter& painter) const;

  QString caption_;
  QColor color_;
  QFont hiFont_;
  QColor fontColor_ = Qt::black;
  QColor hiFontColor_ = Qt::black;
  bool down_ = false;
  bool autoGray_ = false;
  int borderWidth_ = 1;
  TFrameStyle frameStyle_ = TFrameStyle::fsRegular;
  bool showPressed_ = true;
  int spacing_ = 2;
  TTextAlign textAlign_ = TTextAlign::ttaBottom;
  bool transparent_ = true;
  bool wordWrap_ = false;
  QPointer<QMenu> popUpMenu_;
  bool mouseOver_ = false;
  bool pressed_ = false;
};

}  // namespace velmara

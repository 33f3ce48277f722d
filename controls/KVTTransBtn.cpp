#include "controls/KVTTransBtn.h"

#include <QContextMenuEvent>
#include <QEnterEvent>
#include <QImage>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

namespace velmara {
namespace {

// The picture in grey; a disabled one is also paled halfway to white.
QPixmap Greyed(const QPixmap& picture, bool pale) {
  if (picture.isNull()) return picture;
  QImage image = picture.toImage().convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      int grey = qGray(row[x]);
      if (pale) grey = (grey + 255) / 2;
      row[x] = qRgba(grey, grey, grey, qAlpha(row[x]));
    }
  }
  return QPixmap::fromImage(image);
}

struct FrameColours {
  QColor light, dark;
};

}  // namespace

TKVTTransparentButton::TKVTTransparentButton(QWidget* parent, const QString& name)
    : QWidget(parent), color_(palette().color(QPalette::Button)), hiFont_(font()) {
  setObjectName(name);
  setMouseTracking(true);
  setAttribute(Qt::WA_Hover);
}

void TKVTTransparentButton::SetCaption(const QString& caption) { caption_ = caption; updateGeometry(); update(); }
void TKVTTransparentButton::SetColor(const QColor& color) { color_ = color; update(); }
void TKVTTransparentButton::SetHiFont(const QFont& font) { hiFont_ = font; update(); }
void TKVTTransparentButton::SetFontColor(const QColor& color) { fontColor_ = color; update(); }
void TKVTTransparentButton::SetHiFontColor(const QColor& color) { hiFontColor_ = color; update(); }
void TKVTTransparentButton::SetDown(bool down) { down_ = down; update(); }
void TKVTTransparentButton::SetAutoGray(bool on) { autoGray_ = on; update(); }
void TKVTTransparentButton::SetBorderWidth(int width) { borderWidth_ = std::max(0, width); update(); }
void TKVTTransparentButton::SetFrameStyle(TFrameStyle style) { frameStyle_ = style; update(); }
void TKVTTransparentButton::SetShowPressed(bool on) { showPressed_ = on; update(); }
void TKVTTransparentButton::SetSpacing(int pixels) { spacing_ = std::max(0, pixels); update(); }
void TKVTTransparentButton::SetTextAlign(TTextAlign align) { textAlign_ = align; update(); }
void TKVTTransparentButton::SetTransparent(bool on) { transparent_ = on; update(); }
void TKVTTransparentButton::SetWordWrap(bool on) { wordWrap_ = on; update(); }

QMenu* TKVTTransparentButton::PopUpMenu() const { return popUpMenu_; }
void TKVTTransparentButton::SetPopUpMenu(QMenu* menu) { popUpMenu_ = menu; }

void TKVTTransparentButton::SetAllImages(const TImageList* images, int index) {
  for (TPictureSource* source : {&ActiveImage, &GrayImage, &DisabledImage, &DownImage}) *source = {images, index};
  update();
}

void TKVTTransparentButton::SetAllIndices(int index) {
  for (TPictureSource* source : {&ActiveImage, &GrayImage, &DisabledImage, &DownImage}) source->Index = index;
  update();
}

bool TKVTTransparentButton::LooksDown() const { return down_ || (pressed_ && showPressed_ && mouseOver_); }

QPixmap TKVTTransparentButton::ShownPicture() const {
  const QPixmap active = ActiveImage.Picture();
  if (!isEnabled()) {
    const QPixmap disabled = DisabledImage.Picture();
    return disabled.isNull() ? Greyed(active, true) : disabled;
  }
  if (LooksDown()) {
    const QPixmap down = DownImage.Picture();
    return down.isNull() ? active : down;
  }
  if (autoGray_ && !mouseOver_) {
    const QPixmap grey = GrayImage.Picture();
    return grey.isNull() ? Greyed(active, false) : grey;
  }
  return active;
}

QFont TKVTTransparentButton::ShownFont() const { return mouseOver_ && isEnabled() ? hiFont_ : font(); }

QColor TKVTTransparentButton::ShownFontColor() const {
  if (!isEnabled()) return palette().color(QPalette::Disabled, QPalette::WindowText);
  return mouseOver_ ? hiFontColor_ : fontColor_;
}

int TKVTTransparentButton::FrameWidth() const { return frameStyle_ == TFrameStyle::fsNone ? 0 : borderWidth_; }

QRect TKVTTransparentButton::CaptionArea() const {
  const int inset = FrameWidth() + 1;
  return rect().adjusted(inset, inset, -inset, -inset);
}

int TKVTTransparentButton::CaptionFlags() const {
  int flags = wordWrap_ ? Qt::TextWordWrap : Qt::TextSingleLine;
  switch (textAlign_) {
    case TTextAlign::ttaTopLeft: return flags | Qt::AlignTop | Qt::AlignLeft;
    case TTextAlign::ttaTop: return flags | Qt::AlignTop | Qt::AlignHCenter;
    case TTextAlign::ttaTopRight: return flags | Qt::AlignTop | Qt::AlignRight;
    case TTextAlign::ttaRight: return flags | Qt::AlignVCenter | Qt::AlignRight;
    case TTextAlign::ttaBottomRight: return flags | Qt::AlignBottom | Qt::AlignRight;
    case TTextAlign::ttaBottom: return flags | Qt::AlignBottom | Qt::AlignHCenter;
    case TTextAlign::ttaBottomLeft: return flags | Qt::AlignBottom | Qt::AlignLeft;
    case TTextAlign::ttaLeft: return flags | Qt::AlignVCenter | Qt::AlignLeft;
    case TTextAlign::ttaCenter: return flags | Qt::AlignCenter;
  }
  return flags;
}

TKVTTransparentButton::Layout TKVTTransparentButton::ComputeLayout() const {
  const QRect area = CaptionArea();
  Layout layout;
  if (!caption_.isEmpty()) {
    const QFontMetrics metrics(ShownFont());
    const QRect bounds = metrics.boundingRect(area, CaptionFlags(), caption_);
    layout.caption = bounds.intersected(area);
  }
  // The picture takes what the caption leaves: beside a caption on a side, below or above one at
  // the top or bottom, and the whole area for a centred caption.
  QRect rest = area;
  if (!layout.caption.isEmpty()) {
    const int flags = CaptionFlags();
    if (textAlign_ == TTextAlign::ttaLeft) rest.setLeft(layout.caption.right() + 1 + spacing_);
    else if (textAlign_ == TTextAlign::ttaRight) rest.setRight(layout.caption.left() - 1 - spacing_);
    else if (flags & Qt::AlignTop) rest.setTop(layout.caption.bottom() + 1 + spacing_);
    else if (flags & Qt::AlignBottom) rest.setBottom(layout.caption.top() - 1 - spacing_);
  }
  const QSize picture = ShownPicture().size();
  if (!picture.isEmpty()) layout.picture = QRect(QPoint(), picture).translated(rest.center() - QRect(QPoint(), picture).center());
  if (LooksDown() && showPressed_) {
    layout.picture.translate(1, 1);
    layout.caption.translate(1, 1);
  }
  return layout;
}

QRect TKVTTransparentButton::PictureRect() const { return ComputeLayout().picture; }
QRect TKVTTransparentButton::CaptionRect() const { return ComputeLayout().caption; }

void TKVTTransparentButton::DrawFrame(QPainter& painter) const {
  const bool down = LooksDown();
  const QPalette& p = palette();
  FrameColours raised{p.color(QPalette::Light), p.color(QPalette::Dark)};
  bool draw = true;
  switch (frameStyle_) {
    case TFrameStyle::fsNone: draw = false; break;
    case TFrameStyle::fsRegular: break;
    case TFrameStyle::fsIndent: raised = {p.color(QPalette::Dark), p.color(QPalette::Light)}; break;
    case TFrameStyle::fsExplorer: draw = down || mouseOver_; break;
    case TFrameStyle::fsLight:
      raised = {Qt::white, QColor(0xA0, 0xA0, 0xA0)};
      draw = down || mouseOver_;
      break;
    case TFrameStyle::fsDark: raised = {QColor(0x80, 0x80, 0x80), Qt::black}; break;
    case TFrameStyle::fsMono: raised = {ShownFontColor(), ShownFontColor()}; break;
  }
  if (!draw || borderWidth_ == 0) return;
  const FrameColours colours = down && frameStyle_ != TFrameStyle::fsIndent ? FrameColours{raised.dark, raised.light} : raised;
  for (int i = 0; i < borderWidth_; ++i) {
    const QRect r = rect().adjusted(i, i, -i - 1, -i - 1);
    painter.setPen(colours.light);
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(colours.dark);
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
  }
}

void TKVTTransparentButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!transparent_) painter.fillRect(rect(), color_);
  DrawFrame(painter);
  const Layout layout = ComputeLayout();
  const QPixmap picture = ShownPicture();
  if (!picture.isNull()) painter.drawPixmap(layout.picture.topLeft(), picture);
  if (!caption_.isEmpty()) {
    painter.setFont(ShownFont());
    painter.setPen(ShownFontColor());
    painter.drawText(layout.caption, CaptionFlags(), caption_);
  }
}

QSize TKVTTransparentButton::sizeHint() const {
  const QSize picture = ActiveImage.Picture().size();
  const QSize caption = caption_.isEmpty() ? QSize() : QFontMetrics(font()).size(Qt::TextSingleLine, caption_);
  const int frame = 2 * (FrameWidth() + 1);
  const bool beside = textAlign_ == TTextAlign::ttaLeft || textAlign_ == TTextAlign::ttaRight;
  const int gap = caption.isEmpty() || picture.isEmpty() ? 0 : spacing_;
  if (textAlign_ == TTextAlign::ttaCenter)
    return picture.expandedTo(caption) + QSize(frame, frame);
  if (beside)
    return {picture.width() + gap + caption.width() + frame, std::max(picture.height(), caption.height()) + frame};
  return {std::max(picture.width(), caption.width()) + frame, picture.height() + gap + caption.height() + frame};
}

void TKVTTransparentButton::enterEvent(QEnterEvent* event) {
  mouseOver_ = true;
  update();
  emit OnMouseEnter();
  QWidget::enterEvent(event);
}

void TKVTTransparentButton::leaveEvent(QEvent* event) {
  mouseOver_ = false;
  update();
  emit OnMouseExit();
  QWidget::leaveEvent(event);
}

void TKVTTransparentButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    pressed_ = true;
    mouseOver_ = rect().contains(event->position().toPoint());
    update();
  }
  emit OnMouseDown(event->button(), event->modifiers(), event->position().toPoint());
}

void TKVTTransparentButton::mouseMoveEvent(QMouseEvent* event) {
  const bool over = rect().contains(event->position().toPoint());
  if (over != mouseOver_ && pressed_) {
    mouseOver_ = over;
    update();
  }
  emit OnMouseMove(event->modifiers(), event->position().toPoint());
}

void TKVTTransparentButton::mouseReleaseEvent(QMouseEvent* event) {
  const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  if (event->button() == Qt::LeftButton) pressed_ = false;
  update();
  emit OnMouseUp(event->button(), event->modifiers(), event->position().toPoint());
  if (click && isEnabled()) emit OnClick();
}

void TKVTTransparentButton::contextMenuEvent(QContextMenuEvent* event) {
  if (popUpMenu_) popUpMenu_->popup(event->globalPos());
  else QWidget::contextMenuEvent(event);
}

void TKVTTransparentButton::changeEvent(QEvent* event) {
  if (event->type() == QEvent::EnabledChange || event->type() == QEvent::FontChange) update();
  QWidget::changeEvent(event);
}

}  // namespace velmara

#include "controls/KVTLED.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRadialGradient>

namespace velmara {
namespace {

// The lamp of its own: a grey sphere lit from the top left, and a round mask.
QImage DrawnLamp(QSize size) {
  QImage lamp(size, QImage::Format_ARGB32);
  lamp.fill(Qt::black);
  QPainter painter(&lamp);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF ball = QRectF(lamp.rect()).adjusted(0.5, 0.5, -0.5, -0.5);
  QRadialGradient shade(ball.center(), ball.width() / 2, ball.topLeft() + QPointF(ball.width() * 0.35, ball.height() * 0.3));
  shade.setColorAt(0.0, Qt::white);
  shade.setColorAt(0.6, QColor(190, 190, 190));
  shade.setColorAt(1.0, QColor(90, 90, 90));
  painter.setPen(Qt::NoPen);
  painter.setBrush(shade);
  painter.drawEllipse(ball);
  return lamp;
}

QImage DrawnMask(QSize size) {
  QImage mask(size, QImage::Format_ARGB32);
  mask.fill(Qt::black);
  QPainter painter(&mask);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::white);
  painter.drawEllipse(QRectF(mask.rect()).adjusted(0.5, 0.5, -0.5, -0.5));
  return mask;
}

}  // namespace

TKVTLED::TKVTLED(QWidget* parent, const QString& name) : QWidget(parent) {
  setObjectName(name);
  blink_.setObjectName("tmrBlink");
  connect(&blink_, &QTimer::timeout, this, &TKVTLED::Blink);
}

void TKVTLED::SetActive(bool active) {
  active_ = active;
  RestartBlinking();
}

void TKVTLED::SetColorOn(const QColor& color) { colorOn_ = color; update(); }
void TKVTLED::SetColorOff(const QColor& color) { colorOff_ = color; update(); }

void TKVTLED::SetStatus(bool on) {
  if (on == status_) return;
  status_ = on;
  update();
}

void TKVTLED::SetInterval(int milliseconds) {
  interval_ = milliseconds;
  RestartBlinking();
}

void TKVTLED::RestartBlinking() {
  dark_ = false;
  if (active_ && interval_ > 0) blink_.start(interval_);
  else blink_.stop();
  update();
}

void TKVTLED::Blink() {
  dark_ = !dark_;
  update();
}

void TKVTLED::SetPictures(const QImage& lamp, const QImage& mask) {
  lamp_ = lamp;
  mask_ = mask;
  update();
}

QColor TKVTLED::ShownColor() const { return status_ && !dark_ ? colorOn_ : colorOff_; }

QImage TKVTLED::TintedLamp(const QColor& tint, QSize size) const {
  const bool own = lamp_.isNull() || mask_.isNull();
  const QImage lamp = (own ? DrawnLamp(size) : lamp_.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation))
                          .convertToFormat(QImage::Format_ARGB32);
  const QImage mask = (own ? DrawnMask(size) : mask_.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation))
                          .convertToFormat(QImage::Format_ARGB32);
  QImage tinted(size, QImage::Format_ARGB32_Premultiplied);
  for (int y = 0; y < size.height(); ++y) {
    const auto* shade = reinterpret_cast<const QRgb*>(lamp.constScanLine(y));
    const auto* cut = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
    auto* out = reinterpret_cast<QRgb*>(tinted.scanLine(y));
    for (int x = 0; x < size.width(); ++x) {
      // The brightest channel carries the shading whatever colour the picture was drawn in.
      const int light = std::max({qRed(shade[x]), qGreen(shade[x]), qBlue(shade[x])});
      const int alpha = qGray(cut[x]);
      const auto channel = [&](int c) { return c * light / 255 * alpha / 255; };
      out[x] = qRgba(channel(tint.red()), channel(tint.green()), channel(tint.blue()), alpha);
    }
  }
  return tinted;
}

void TKVTLED::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, TintedLamp(ShownColor(), size()));
}

void TKVTLED::mousePressEvent(QMouseEvent* event) {
  emit OnMouseDown(event->button(), event->modifiers(), event->position().toPoint());
}

void TKVTLED::mouseReleaseEvent(QMouseEvent* event) {
  emit OnMouseUp(event->button(), event->modifiers(), event->position().toPoint());
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit OnClick();
}

}  // namespace velmara

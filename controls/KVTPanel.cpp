#include "controls/KVTPanel.h"

#include <QEvent>
#include <QPainter>

namespace velmara {

TKVTPanel::TKVTPanel(QWidget* parent, const QString& name) : QWidget(parent) {
  setObjectName(name);
  WatchParent();
}

void TKVTPanel::SetPanelType(TPanelType type) { panelType_ = type; update(); }
void TKVTPanel::SetXOffSet(int pixels) { xOffSet_ = pixels; update(); }
void TKVTPanel::SetYOffSet(int pixels) { yOffSet_ = pixels; update(); }
void TKVTPanel::SetShadowColor(const QColor& color) { shadowColor_ = color; update(); }
void TKVTPanel::SetBorderColor(const QColor& color) { borderColor_ = color; update(); }

QColor TKVTPanel::Color() const { return palette().color(QPalette::Window); }

void TKVTPanel::SetColor(const QColor& color) {
  QPalette p = palette();
  p.setColor(QPalette::Window, color);
  setPalette(p);
  update();
}

QRect TKVTPanel::FaceRect() const {
  if (panelType_ != TPanelType::DropShadow) return rect();
  const int dx = std::abs(xOffSet_), dy = std::abs(yOffSet_);
  return QRect(xOffSet_ < 0 ? dx : 0, yOffSet_ < 0 ? dy : 0, std::max(0, width() - dx), std::max(0, height() - dy));
}

QRect TKVTPanel::ShadowRect() const {
  if (panelType_ != TPanelType::DropShadow) return {};
  return FaceRect().translated(xOffSet_, yOffSet_);
}

void TKVTPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect face = FaceRect();
  if (panelType_ == TPanelType::DropShadow) {
    const QWidget* parent = parentWidget();
    painter.fillRect(rect(), parent ? parent->palette().color(parent->backgroundRole()) : palette().color(QPalette::Window));
    painter.fillRect(ShadowRect(), shadowColor_);
  }
  painter.fillRect(face, Color());
  if (panelType_ == TPanelType::Borders) {
    painter.setPen(borderColor_);
    painter.drawRect(face.adjusted(0, 0, -1, -1));
  }
}

void TKVTPanel::changeEvent(QEvent* event) {
  if (event->type() == QEvent::PaletteChange) update();
  QWidget::changeEvent(event);
}

bool TKVTPanel::event(QEvent* event) {
  if (event->type() == QEvent::ParentChange) WatchParent();
  return QWidget::event(event);
}

void TKVTPanel::WatchParent() {
  if (watched_) watched_->removeEventFilter(this);
  watched_ = parentWidget();
  if (watched_) watched_->installEventFilter(this);
}

bool TKVTPanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched == watched_ && event->type() == QEvent::PaletteChange) update();
  return QWidget::eventFilter(watched, event);
}

}  // namespace velmara

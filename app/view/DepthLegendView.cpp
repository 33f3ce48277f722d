#include "app/view/DepthLegendView.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QWidget>

#include <algorithm>

namespace velmara {
namespace {

QColor ToColor(TRgb c) { return QColor(c.r, c.g, c.b); }

// The paint box's font, no taller than the layout allows.
QFont LabelFont(const QWidget& legend, int fontHeight) {
  QFont font = legend.font();
  if (fontHeight < QFontMetrics(font).height()) font.setPixelSize(std::max(1, fontHeight));
  return font;
}

}  // namespace

TDepthLegendView::TDepthLegendView(QWidget& legend, QWidget& minBox, QWidget& maxBox, TInputSource input)
    : QObject(&legend), legend_(legend), minBox_(minBox), maxBox_(maxBox), input_(std::move(input)) {
  legend_.installEventFilter(this);
}

void TDepthLegendView::Repaint() { legend_.update(); }

TLegendInput TDepthLegendView::Input() const {
  TLegendInput in = input_ ? input_() : TLegendInput{};
  in.height = legend_.height();
  in.fontHeight = QFontMetrics(legend_.font()).height();
  in.legendTop = legend_.y();
  in.minBoxHeight = minBox_.height();
  in.maxBoxHeight = maxBox_.height();
  return in;
}

TLegendLayout TDepthLegendView::Layout() const {
  TLegendInput in = Input();
  // The labels are placed by the height of the font they are drawn in, which the band height limits.
  const TLegendLayout first = DepthLegendLayout(in);
  if (first.empty) return first;
  in.textHeight = QFontMetrics(LabelFont(legend_, first.fontHeight)).height();
  return DepthLegendLayout(in);
}

bool TDepthLegendView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &legend_ && event->type() == QEvent::Paint) {
    DepthLegendPaint();
    return true;
  }
  return QObject::eventFilter(watched, event);
}

void TDepthLegendView::DepthLegendPaint() {
  const TLegendLayout layout = Layout();
  if (layout.empty) return;
  QPainter painter(&legend_);
  painter.setFont(LabelFont(legend_, layout.fontHeight));
  const QFontMetrics metrics(painter.font());
  // Rectangles as the layout gives them: left and top inside, right and bottom just outside.
  const auto rect = [](const TLegendRect& r) { return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top); };

  // A white frame round the column, filled black: the black shows as a line between the bands.
  painter.setPen(Qt::white);
  painter.setBrush(Qt::black);
  const QRect frame = rect(layout.frame);
  painter.drawRect(frame.adjusted(0, 0, -1, -1));
  for (const TLegendBand& band : layout.bands) {
    const QRect area = rect(band.rect);
    if (band.top == band.bottom) {
      painter.fillRect(area, ToColor(band.top));
    } else {
      QLinearGradient gradient(0, area.top(), 0, area.bottom());
      gradient.setColorAt(0, ToColor(band.top));
      gradient.setColorAt(1, ToColor(band.bottom));
      painter.fillRect(area, gradient);
    }
  }
  painter.setPen(ToColor(layout.pen));
  for (const int y : layout.ticks) painter.drawLine(22, y, 23, y);
  for (const TLegendLabel& label : layout.labels) {
    const QString text = QString::fromStdString(label.text);
    const QRect box(label.x, label.y, metrics.horizontalAdvance(text), metrics.height());
    painter.fillRect(box, ToColor(layout.background));
    painter.setPen(ToColor(layout.text));
    painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, text);
  }
  // The range boxes sit on the legend's top edge and on the lower end of its last band.
  const int left = legend_.x();
  minBox_.move(left + layout.minBoxLeft, layout.minBoxTop);
  maxBox_.move(left + layout.maxBoxLeft, layout.maxBoxTop);
}

}  // namespace velmara

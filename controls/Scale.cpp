#include "controls/Scale.h"

#include <QLayout>
#include <QWidget>
#include <cmath>

namespace velmara {
namespace {

int Scaled(int value, double factor) { return static_cast<int>(std::lround(value * factor)); }

QRect Scaled(const QRect& r, double factor) {
  return {Scaled(r.x(), factor), Scaled(r.y(), factor), Scaled(r.width(), factor), Scaled(r.height(), factor)};
}

QFont Scaled(QFont font, double factor) {
  if (font.pointSizeF() > 0) font.setPointSizeF(font.pointSizeF() * factor);
  else if (font.pixelSize() > 0) font.setPixelSize(std::max(1, Scaled(font.pixelSize(), factor)));
  return font;
}

}  // namespace

TScale::TScale(QWidget& form, const QString& name) : QObject(&form), form_(form) { setObjectName(name); }

void TScale::SetScaleByPercent(int percent) {
  if (percent <= 0) return;
  Learn();
  percent_ = percent;
  Apply();
}

void TScale::Learn() {
  const double back = 100.0 / percent_;  // from the current scale to the design
  if (formSize_.isEmpty()) formSize_ = QSize(Scaled(form_.width(), back), Scaled(form_.height(), back));
  const auto learnWidget = [&](QWidget* widget) {
    WidgetBase& base = widgets_[widget];
    if (base.widget == widget) return;
    base = {widget, Scaled(widget->geometry(), back), Scaled(widget->font(), back)};
  };
  learnWidget(&form_);
  for (QWidget* child : form_.findChildren<QWidget*>()) learnWidget(child);
  for (QLayout* layout : form_.findChildren<QLayout*>()) {
    LayoutBase& base = layouts_[layout];
    if (base.layout == layout) continue;
    const QMargins m = layout->contentsMargins();
    base = {layout, QMargins(Scaled(m.left(), back), Scaled(m.top(), back), Scaled(m.right(), back), Scaled(m.bottom(), back)),
            layout->spacing() < 0 ? -1 : Scaled(layout->spacing(), back)};
  }
}

void TScale::Apply() {
  const double factor = percent_ / 100.0;
  // Every widget gets a font of its own, so a parent's new font cannot reach its children twice.
  for (auto& [key, base] : widgets_)
    if (base.widget) base.widget->setFont(Scaled(base.font, factor));
  for (auto& [key, base] : layouts_) {
    if (!base.layout) continue;
    const QMargins& m = base.margins;
    base.layout->setContentsMargins(Scaled(m.left(), factor), Scaled(m.top(), factor), Scaled(m.right(), factor),
                                    Scaled(m.bottom(), factor));
    if (base.spacing >= 0) base.layout->setSpacing(Scaled(base.spacing, factor));
  }
  for (auto& [key, base] : widgets_)
    if (base.widget && base.widget != &form_) base.widget->setGeometry(Scaled(base.geometry, factor));
  form_.resize(Scaled(formSize_.width(), factor), Scaled(formSize_.height(), factor));
}

}  // namespace velmara

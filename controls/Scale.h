#pragma once
// The form scaler: ScaleByPercent sizes a form and everything on it — the form's size, its child
// widgets' geometry and fonts, its layouts' margins and spacing — to that percentage of the
// form as it was first scaled (100 is the form as designed). Changing the percentage again scales
// from the design, not from the last scale, so going back to 100 restores the form exactly.
// Widgets added after the first scale are taken as being at the current scale.
//
// Not a widget; it belongs to the form (a QObject child), main thread only.

#include <QFont>
#include <QMargins>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <map>

class QLayout;
class QWidget;

namespace velmara {

class TScale : public QObject {
public:
  explicit TScale(QWidget& form, const QString& name = {});

  int ScaleByPercent() const { return percent_; }
  void SetScaleByPercent(int percent);

private:
  struct WidgetBase {
    QPointer<QWidget> widget;
    QRect geometry;
    QFont font;
  };
  struct LayoutBase {
    QPointer<QLayout> layout;
    QMargins margins;
    int spacing = -1;
  };
  void Learn();
  void Apply();

  QWidget& form_;
  int percent_ = 100;
  QSize formSize_;
  std::map<const QObject*, WidgetBase> widgets_;
  std::map<const QObject*, LayoutBase> layouts_;
};

}  // namespace velmara

#pragma once
// The legend of the palette tool bar drawn on its paint box (`DepthLegend`): the active palette's
// bands stacked shallowest on top, ticks and value labels at the band edges, with the minimum and
// maximum range boxes docked to its top and bottom edges. The layout comes from DepthLegendLayout;
// this class only paints it and moves the two boxes. It keeps no state of the palettes: the owner
// says what to draw through a callback, read at every paint. Main thread.

#include "colour/DepthLegend.h"

#include <QObject>

#include <functional>

class QPainter;
class QWidget;

namespace velmara {

class TDepthLegendView : public QObject {
public:
  // What to draw: palette, kind, scale, lake altitude, unit, screen scale and scheme; the view
  // fills in the sizes and places of the paint box, its font and the boxes.
  using TInputSource = std::function<TLegendInput()>;

  // Paints on `legend` (not owned) and docks the boxes (siblings of the legend, not owned).
  TDepthLegendView(QWidget& legend, QWidget& minBox, QWidget& maxBox, TInputSource input);

  // Asks for a paint of the legend.
  void Repaint();
  // The layout as the next paint draws it.
  TLegendLayout Layout() const;

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  TLegendInput Input() const;
  void DepthLegendPaint();

  QWidget& legend_;
  QWidget& minBox_;
  QWidget& maxBox_;
  TInputSource input_;
};

}  // namespace velmara

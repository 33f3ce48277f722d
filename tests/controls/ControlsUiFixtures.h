#pragma once
// Helpers for the controls' widget tests: a form with a known background, pictures of one colour,
// and looks at what got painted.

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QWidget>

namespace velmara::test {

inline QPixmap Solid(QSize size, QColor colour) {
  QPixmap picture(size);
  picture.fill(colour);
  return picture;
}

// A top-level form filled with one colour, shown on the offscreen platform.
class ColouredForm : public QWidget {
public:
  explicit ColouredForm(QColor colour, QSize size = {200, 120}) {
    SetColour(colour);
    setAutoFillBackground(true);
    resize(size);
  }
  void SetColour(QColor colour) {
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
  }
};

// A child as painted on its form (so that transparent parts show the form).
inline QImage Painted(const QWidget& child) { return child.parentWidget()->grab(child.geometry()).toImage(); }

inline bool Greyish(QColor c) { return std::abs(c.red() - c.green()) < 8 && std::abs(c.green() - c.blue()) < 8; }

// Pixels of (about) a colour in a picture.
inline int CountColour(const QImage& image, QColor colour, int tolerance = 40) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (std::abs(c.red() - colour.red()) <= tolerance && std::abs(c.green() - colour.green()) <= tolerance &&
          std::abs(c.blue() - colour.blue()) <= tolerance)
        ++count;
    }
  return count;
}

}  // namespace velmara::test

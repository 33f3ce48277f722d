#pragma once
// A status lamp: a lamp picture cut out by its mask and tinted with ColorOn or ColorOff as Status
// says. While Active, it blinks: every Interval milliseconds it goes dark (ColorOff) and lit again;
// a lamp that is off stays off. Hint and pop-up menu are the widget's tool tip and context menu.
//
// The picture ("VOVI_GREEN_LED") gives the shading: its brightness at each pixel scales the tint.
// The mask ("VOVI_MASK_LED") gives the shape: white is lamp, black is background, grey between.
// Without pictures the lamp draws a shaded round lamp of its own.

#include <QColor>
#include <QImage>
#include <QTimer>
#include <QWidget>

namespace velmara {

class TKVTLED : public QWidget {
  Q_OBJECT
  Q_PROPERTY(bool Active READ Active WRITE SetActive)
  Q_PROPERTY(QColor ColorOn READ ColorOn WRITE SetColorOn)
  Q_PROPERTY(QColor ColorOff READ ColorOff WRITE SetColorOff)
  Q_PROPERTY(bool Status READ Status WRITE SetStatus)
  Q_PROPERTY(int Interval READ Interval WRITE SetInterval)

public:
  explicit TKVTLED(QWidget* parent = nullptr, const QString& name = {});

  bool Active() const { return active_; }
  void SetActive(bool active);
  QColor ColorOn() const { return colorOn_; }
  void SetColorOn(const QColor& color);
  QColor ColorOff() const { return colorOff_; }
  void SetColorOff(const QColor& color);
  bool Status() const { return status_; }
  void SetStatus(bool on);
  int Interval() const { return interval_; }
  void SetInterval(int milliseconds);

  // The lamp's picture and mask; null images bring back the drawn lamp.
  void SetPictures(const QImage& lamp, const QImage& mask);
  // The colour shown now (blinking included).
  QColor ShownColor() const;
  // The lamp as drawn at a size, tinted with a colour.
  QImage TintedLamp(const QColor& tint, QSize size) const;

  QSize sizeHint() const override { return {16, 16}; }

signals:
  void OnMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint at);
  void OnMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint at);
  void OnClick();

protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

private:
  void Blink();
  void RestartBlinking();

  bool active_ = false;
  QColor colorOn_ = Qt::green;
  QColor colorOff_ = QColor(0x00, 0x40, 0x00);
  bool status_ = false;
  int interval_ = 500;
  bool dark_ = false;  // the dark half of a blink
  QImage lamp_, mask_;
  QTimer blink_;
};

}  // namespace velmara

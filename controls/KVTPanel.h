#pragma once
// A panel with a drop shadow or a coloured border. Its face is the palette's window colour.
//   Plain      the face fills the panel
//   DropShadow the face is smaller by the offsets; its shadow, offset by XOffSet and YOffSet
//              (negative: up or left), in ShadowColor, and the parent's colour in the corners
//              the two leave free
//   Borders    the face with a one-pixel BorderColor line round it
// Every setter repaints, and so does a change of the parent's colour. Children are laid out as on
// any widget; keep them on the face.

#include <QColor>
#include <QPointer>
#include <QWidget>

namespace velmara {

enum class TPanelType { Plain, DropShadow, Borders };

class TKVTPanel : public QWidget {
  Q_OBJECT
  Q_PROPERTY(int XOffSet READ XOffSet WRITE SetXOffSet)
  Q_PROPERTY(int YOffSet READ YOffSet WRITE SetYOffSet)
  Q_PROPERTY(QColor ShadowColor READ ShadowColor WRITE SetShadowColor)
  Q_PROPERTY(QColor BorderColor READ BorderColor WRITE SetBorderColor)

public:
  explicit TKVTPanel(QWidget* parent = nullptr, const QString& name = {});

  TPanelType PanelType() const { return panelType_; }
  void SetPanelType(TPanelType type);
  int XOffSet() const { return xOffSet_; }
  void SetXOffSet(int pixels);
  int YOffSet() const { return yOffSet_; }
  void SetYOffSet(int pixels);
  QColor ShadowColor() const { return shadowColor_; }
  void SetShadowColor(const QColor& color);
  QColor BorderColor() const { return borderColor_; }
  void SetBorderColor(const QColor& color);
  // The face colour (the palette's window colour).
  QColor Color() const;
  void SetColor(const QColor& color);

  // Where the face and the shadow are drawn.
  QRect FaceRect() const;
  QRect ShadowRect() const;

protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void WatchParent();

  TPanelType panelType_ = TPanelType::Plain;
  int xOffSet_ = 4;
  int yOffSet_ = 4;
  QColor shadowColor_ = Qt::black;
  QColor borderColor_ = Qt::black;
  QPointer<QWidget> watched_;
};

}  // namespace velmara

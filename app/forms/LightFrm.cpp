#include "app/forms/LightFrm.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

#include <cmath>

namespace velmara {

// The dial: compass letters or boat marks round a circle, and the sun where the light comes from.
class TfrmLight::Dial : public QWidget {
public:
  explicit Dial(QWidget* parent) : QWidget(parent) {
    setObjectName("imgDial");
    setFixedSize(260, 260);
  }
  void Set(double sunAngle, bool boat) {
    sunAngle_ = sunAngle;
    boat_ = boat;
    update();
  }

protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(width() / 2.0, height() / 2.0);
    p.setPen(QPen(QColor(90, 90, 90), 1.5));
    p.drawEllipse(centre, 110, 110);
    auto at = [&](double degrees, double radius) {
      const double r = degrees * M_PI / 180.0;
      return centre + QPointF(radius * std::sin(r), -radius * std::cos(r));
    };
    if (boat_) {
      // The boat from above in the middle, bow up.
      QPolygonF hull({centre + QPointF(0, -40), centre + QPointF(14, -10), centre + QPointF(12, 36), centre + QPointF(-12, 36),
                      centre + QPointF(-14, -10)});
      p.setBrush(QColor(200, 40, 40));
      p.drawPolygon(hull);
    } else {
      const char* letters[] = {"N", "E", "S", "W"};
      QFont font = p.font();
      font.setBold(true);
      font.setPointSize(12);
      p.setFont(font);
      for (int i = 0; i < 4; ++i) {
        const QPointF point = at(i * 90.0, 90);
        p.drawText(QRectF(point - QPointF(10, 10), QSizeF(20, 20)), Qt::AlignCenter, letters[i]);
      }
    }
    const QPointF sun = at(sunAngle_, 110);
    p.setBrush(QColor(255, 200, 0));
    p.setPen(QPen(QColor(230, 140, 0), 2));
    p.drawEllipse(sun, 12, 12);
  }

private:
  double sunAngle_ = 0.0;
  bool boat_ = false;
};

TfrmLight::TfrmLight(TLight& light, double boatHeading, std::function<void(double)> apply, QWidget* parent)
    : QDialog(parent), light_(light), logic_(light, boatHeading), apply_(std::move(apply)) {
  setObjectName("frmLight");
  setWindowTitle("Light Direction");
  auto* layout = new QVBoxLayout(this);
  auto* modes = new QHBoxLayout();
  radTerrain_ = new QRadioButton("Terrain", this);
  radTerrain_->setObjectName("radTerrain");
  radBoat_ = new QRadioButton("Boat", this);
  radBoat_->setObjectName("radBoat");
  modes->addWidget(radTerrain_);
  modes->addWidget(radBoat_);
  layout->addLayout(modes);
  dial_ = new Dial(this);
  layout->addWidget(dial_, 0, Qt::AlignHCenter);
  auto* slider = new QHBoxLayout();
  gaugeBar_ = new QSlider(Qt::Horizontal, this);
  gaugeBar_->setObjectName("GaugeBar1");
  gaugeBar_->setRange(0, 360);
  lblAngle_ = new QLabel(this);
  lblAngle_->setObjectName("lblAngle");
  lblAngle_->setMinimumWidth(32);
  slider->addWidget(gaugeBar_);
  slider->addWidget(lblAngle_);
  layout->addLayout(slider);
  auto* buttons = new QHBoxLayout();
  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("btnOk");
  auto* defaults = new QPushButton("&Default", this);
  defaults->setObjectName("btnDefault");
  auto* cancel = new QPushButton("Exit", this);
  cancel->setObjectName("btnCancel");
  buttons->addWidget(ok);
  buttons->addWidget(defaults);
  buttons->addWidget(cancel);
  layout->addLayout(buttons);

  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(defaults, &QPushButton::clicked, this, [this] {
    logic_.Default();
    Show();
  });
  connect(cancel, &QPushButton::clicked, this, [this] {
    logic_.Exit();
    Show();
    reject();
  });
  connect(radTerrain_, &QRadioButton::clicked, this, [this] {
    logic_.ChooseTerrain();
    Show();
  });
  connect(radBoat_, &QRadioButton::clicked, this, [this] {
    logic_.ChooseBoat();
    Show();
  });
  connect(gaugeBar_, &QSlider::valueChanged, this, [this](int value) {
    if (updating_) return;
    logic_.SetAngle(value);
    Show();
  });
  (light.HeadingLight ? radBoat_ : radTerrain_)->setChecked(true);
  logic_.Open();
  Show();
}

void TfrmLight::Show() {
  updating_ = true;
  gaugeBar_->setValue(logic_.SliderPosition);
  (light_.HeadingLight ? radBoat_ : radTerrain_)->setChecked(true);
  updating_ = false;
  lblAngle_->setText(QString::fromStdString(logic_.AngleText));
  dial_->Set(logic_.SunAngle, radBoat_->isChecked());
  if (apply_) apply_(logic_.LastDirection);
}

}  // namespace velmara

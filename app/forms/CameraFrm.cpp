#include "app/forms/CameraFrm.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace velmara {

TCameraFrm::TCameraFrm(int current, bool netShown, QWidget* parent) : QDialog(parent) {
  setObjectName("CameraFrm");
  setWindowTitle("Camera Selection");
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  picture_ = new QLabel(netShown ? "Boat, net and camera positions" : "Boat and camera positions (no net out)", this);
  picture_->setObjectName(netShown ? "imgCameras" : "imgCamerasNoNet");
  picture_->setAlignment(Qt::AlignCenter);
  picture_->setMinimumSize(220, 60);
  picture_->setFrameShape(QFrame::Box);
  layout->addWidget(picture_);

  group_ = new QButtonGroup(this);
  group_->setExclusive(true);
  auto* grid = new QGridLayout();
  for (int number = 1; number <= CameraCount; ++number) {
    auto* button = new QToolButton(this);
    button->setObjectName(QString("SpeedButton%1").arg(number));
    button->setText(QString::number(number));
    button->setToolTip(Hints[number - 1]);
    button->setCheckable(true);
    button->setMinimumSize(40, 40);
    button->setEnabled(netShown || (number != 5 && number != 6));
    group_->addButton(button, number);
    grid->addWidget(button, (number - 1) / 4, (number - 1) % 4);
    connect(button, &QToolButton::clicked, this, [this, number] { Choose(number); });
  }
  layout->addLayout(grid);
  if (QAbstractButton* pressed = CameraButton(current); pressed && pressed->isEnabled()) pressed->setChecked(true);

  auto* row = new QHBoxLayout();
  auto* reset = new QPushButton("Reset", this);
  reset->setObjectName("btnReset");
  reset->setToolTip("Press this button to reset all cameras to their default positions");
  auto* exit = new QPushButton("Exit", this);
  exit->setObjectName("btnExit");
  row->addWidget(reset);
  row->addStretch();
  row->addWidget(exit);
  layout->addLayout(row);
  reset_ = reset;
  exit_ = exit;
  connect(reset, &QPushButton::clicked, this, [this] {
    if (OnReset) OnReset();
    chosen_ = group_->checkedId() > 0 ? group_->checkedId() : 0;
    accept();
  });
  connect(exit, &QPushButton::clicked, this, [this] {
    chosen_ = 0;
    reject();
  });
}

QAbstractButton* TCameraFrm::CameraButton(int number) const { return group_->button(number); }

void TCameraFrm::Choose(int number) {
  chosen_ = number;
  accept();
}

}  // namespace velmara

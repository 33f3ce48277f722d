#include "terrain/ProgressFrm.h"

#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

namespace velmara {
namespace {

constexpr int ValueTag = 2;  // value labels are recoloured apart from captions
const QColor DarkGrey(0x3F, 0x3F, 0x3F);  // 4144959

}  // namespace

TProgressFrm::TProgressFrm(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setObjectName("ProgressFrm");
  setWindowTitle("Progress");
  setFixedSize(331, 117);
  setAutoFillBackground(true);

  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  panel_ = new QFrame(this);
  panel_->setObjectName("KVTPanel1");
  panel_->setFrameShape(QFrame::Panel);
  panel_->setFrameShadow(QFrame::Raised);
  panel_->setAutoFillBackground(true);
  outer->addWidget(panel_);

  auto* grid = new QGridLayout(panel_);
  grid->setContentsMargins(8, 4, 8, 4);
  grid->setVerticalSpacing(1);
  AddLabel("lblDP", "Depth Pts:", false, 0, 0);
  points_ = AddLabel("lblPoints", "0", true, 0, 1);
  AddLabel("lblBP", "Bkgrd Pts:", false, 0, 2);
  etopo_ = AddLabel("lblEtopo", "0", true, 0, 3);
  AddLabel("lblLP", "Land Pts:", false, 1, 0);
  land_ = AddLabel("lblLand", "0", true, 1, 1);
  hardness_ = AddLabel("lblhardness", "Hard Pts:", false, 1, 2);
  hardCount_ = AddLabel("lblHardCt", "0", true, 1, 3);
  roughness_ = AddLabel("lblRoughness", "Rough Pts:", false, 2, 0);
  roughCount_ = AddLabel("lblRoughCt", "0", true, 2, 1);
  AddLabel("lblML", "Marks Lines:", false, 2, 2);
  markCount_ = AddLabel("lblMarkCt", "0", true, 2, 3);
  AddLabel("lblStep", "Process", false, 3, 0);
  stage_ = AddLabel("pbarlbl", "", true, 3, 1);
  grid->addWidget(stage_, 3, 1, 1, 3);
  AddLabel("lblProgress", "Progress", false, 4, 0);
  bar_ = new QProgressBar(panel_);
  bar_->setObjectName("ProgressBar1");
  bar_->setTextVisible(false);
  bar_->setFixedHeight(14);
  grid->addWidget(bar_, 4, 1, 1, 3);

  SetDarkScheme(true);
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->geometry().center() - rect().center());
  Apply();
  port_ = std::make_unique<platform::MessagePort>(PortName, [this](const platform::TWindowMessage& m) { Handle(m); });
}

QLabel* TProgressFrm::AddLabel(const char* name, const char* caption, bool value, int row, int column) {
  auto* label = new QLabel(caption, panel_);
  label->setObjectName(name);
  label->setProperty("tag", value ? ValueTag : 0);
  static_cast<QGridLayout*>(panel_->layout())->addWidget(label, row, column);
  return label;
}

void TProgressFrm::SetDarkScheme(bool dark) {
  const QColor window = dark ? DarkGrey : palette().color(QPalette::Button);
  for (QWidget* w : {static_cast<QWidget*>(this), static_cast<QWidget*>(panel_)}) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, window);
    w->setPalette(p);
  }
  for (QLabel* label : panel_->findChildren<QLabel*>()) {
    const bool value = label->property("tag").toInt() == ValueTag;
    const QColor text = dark ? (value ? QColor(Qt::cyan) : QColor(Qt::white)) : (value ? QColor(Qt::blue) : QColor(Qt::black));
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, text);
    label->setPalette(p);
  }
}

void TProgressFrm::Handle(const platform::TWindowMessage& message) {
  if (state_.Handle(message.number, message.wParam, message.lParam)) Apply();
}

void TProgressFrm::Apply() {
  points_->setText(QString::fromStdString(state_.Points));
  etopo_->setText(QString::fromStdString(state_.Etopo));
  land_->setText(QString::fromStdString(state_.Land));
  hardCount_->setText(QString::fromStdString(state_.HardCount));
  roughCount_->setText(QString::fromStdString(state_.RoughCount));
  markCount_->setText(QString::fromStdString(state_.MarkCount));
  hardness_->setText(QString::fromStdString(state_.HardnessCaption));
  roughness_->setText(QString::fromStdString(state_.RoughnessCaption));
  stage_->setText(QString::fromStdString(state_.Stage));
  bar_->setMaximum(state_.BarMax);
  bar_->setValue(state_.BarPosition);
  stage_->repaint();
  setVisible(state_.Visible);
}

}  // namespace velmara

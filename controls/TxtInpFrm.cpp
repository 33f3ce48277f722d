#include "controls/TxtInpFrm.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmara {

TTxtInpFrm::TTxtInpFrm(QWidget* parent, const QString& caption, const QString& prompt, const QString& text)
    : QDialog(parent) {
  setObjectName("TxtInpFrm");
  setWindowTitle(caption);
  auto* layout = new QVBoxLayout(this);
  inpLbl = new QLabel(prompt, this);
  inpLbl->setObjectName("inpLbl");
  InfoEdit = new QLineEdit(text, this);
  InfoEdit->setObjectName("InfoEdit");
  inpLbl->setBuddy(InfoEdit);
  layout->addWidget(inpLbl);
  layout->addWidget(InfoEdit);

  auto* buttons = new QHBoxLayout;
  const auto addButton = [&](QPushButton*& button, const char* name, const QString& caption) {
    button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setAutoDefault(false);
    buttons->addWidget(button);
  };
  buttons->addStretch();
  addButton(OkBtn, "OkBtn", tr("&OK"));
  addButton(DeleteBtn, "DeleteBtn", tr("&Delete"));
  addButton(Cancelbtn, "Cancelbtn", tr("&Cancel"));
  OkBtn->setDefault(true);
  layout->addLayout(buttons);

  connect(OkBtn, &QPushButton::clicked, this, &QDialog::accept);
  connect(Cancelbtn, &QPushButton::clicked, this, &QDialog::reject);
  connect(DeleteBtn, &QPushButton::clicked, this, [this] { done(DeleteResult); });
  InfoEdit->setFocus();
}

QString TTxtInpFrm::Text() const { return InfoEdit->text(); }
void TTxtInpFrm::SetText(const QString& text) { InfoEdit->setText(text); }

}  // namespace velmara

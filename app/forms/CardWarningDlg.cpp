#include "app/forms/CardWarningDlg.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace velmara {

TdlgCardWarning::TdlgCardWarning(const QString& rendererInfo, int textureUnits, QWidget* parent) : QDialog(parent) {
  setObjectName("dlgCardWarning");
  setWindowTitle("Graphics Card Warning");
  auto* grid = new QGridLayout(this);
  auto add = [&](const char* name, const QString& text, int row, int column, int span = 1) {
    auto* label = new QLabel(text, this);
    label->setObjectName(name);
    label->setWordWrap(true);
    grid->addWidget(label, row, column, 1, span);
    return label;
  };
  add("lblWarning", "Warning! Graphics card not suitable for Velmara", 0, 0, 2)->setStyleSheet("font-weight: bold; color: #c00000");
  add("lblExplanation",
      "Velmara has detected your graphics card is not suitable to run this application. If you are using a dual monitor "
      "set-up please check the graphics card mentioned below is your main graphics card. If it is not you will need to "
      "change your primary monitor to use the main graphics card. Please contact your support if you have any further "
      "questions.\n\nSelect [Proceed] to continue loading Velmara, which may result in further error messages displayed or "
      "[Cancel] to terminate this application.",
      1, 0, 2);
  add("lblGCCaption", "Graphics Card Used: ", 2, 0);
  add("lblGC", rendererInfo, 2, 1);
  add("lblTSCaption", "Textures Supported:", 3, 0);
  add("lblTS", QString::number(textureUnits), 3, 1);
  add("lblRequires", "Velmara requires at least two textures supported", 4, 0, 2);
  auto* proceed = new QPushButton("&Proceed", this);
  proceed->setObjectName("btnProceed");
  auto* cancel = new QPushButton("Cancel", this);
  cancel->setObjectName("btnCancel");
  grid->addWidget(proceed, 5, 0);
  grid->addWidget(cancel, 5, 1);
  // Proceed answers Yes (the dialog's accept), anything else counts as no.
  connect(proceed, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  setMinimumWidth(460);
}

}  // namespace velmara

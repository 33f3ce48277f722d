#include "controls/IASciEdit.h"

#include <QToolTip>

namespace velmara {

TIASciEdit::TIASciEdit(QWidget* parent, const QString& name) : QLineEdit(parent) {
  setObjectName(name);
  sci_.OnNumberChange = [this] { emit OnNumberChange(); };
  sci_.OnNotNumber = [this] { emit OnNotNumber(); };
  sci_.OnOutOfBounds = [this] { emit OnOutOfBounds(); };
  setText(QString::fromStdString(sci_.Text()));
  connect(this, &QLineEdit::editingFinished, this, [this] { Validate(); });
  connect(this, &QLineEdit::textEdited, this, [this] { ClearError(); });
}

void TIASciEdit::Refresh() {
  ClearError();
  setText(QString::fromStdString(sci_.Text()));
}

void TIASciEdit::SetSciType(TSciType type) {
  sci_.Settings.SciType = type;
  Refresh();
}

void TIASciEdit::SetSciIntegerValue(int value) { Show(sci_.SetSciIntegerValue(value)); }
void TIASciEdit::SetSciFloatValue(double value) { Show(sci_.SetSciFloatValue(value)); }

void TIASciEdit::SetSciErrorColor(const QColor& color) {
  errorColor_ = color;
  if (inError_) ShowError(toolTip());
}

void TIASciEdit::SetSciErrorFontColor(const QColor& color) {
  errorFontColor_ = color;
  if (inError_) ShowError(toolTip());
}

TSciCommit TIASciEdit::Validate() {
  const TSciCommit commit = sci_.Commit(text().toStdString());
  Show(commit);
  return commit;
}

void TIASciEdit::Show(const TSciCommit& commit) {
  if (!commit.MustCorrect) setText(QString::fromStdString(commit.Text));
  if (commit.Error.empty()) ClearError();
  else ShowError(QString::fromStdString(commit.Error));
}

void TIASciEdit::ShowError(const QString& error) {
  if (!inError_) normal_ = palette();
  inError_ = true;
  QPalette p = normal_;
  p.setColor(QPalette::Base, errorColor_);
  p.setColor(QPalette::Text, errorFontColor_);
  setPalette(p);
  setToolTip(error);
  if (isVisible()) QToolTip::showText(mapToGlobal(rect().bottomLeft()), error, this);
}

void TIASciEdit::ClearError() {
  if (!inError_) return;
  inError_ = false;
  setPalette(normal_);
  setToolTip({});
  QToolTip::hideText();
}

}  // namespace velmara

#pragma once
// The numeric edit box. Its rules (types, bounds, reactions, texts) are TSciValidation's; the box
// checks the entry when editing finishes (Enter, or leaving the box), shows the resulting text,
// and while an entry is wrong shows SciErrorColor behind SciErrorFontColor text with the error
// text as its tool tip, until the user edits again or a check passes.

#include "controls/logic/SciValidation.h"

#include <QColor>
#include <QLineEdit>
#include <QPalette>

namespace velmara {

class TIASciEdit : public QLineEdit {
  Q_OBJECT
  Q_PROPERTY(int SciIntegerValue READ SciIntegerValue WRITE SetSciIntegerValue)
  Q_PROPERTY(double SciFloatValue READ SciFloatValue WRITE SetSciFloatValue)
  Q_PROPERTY(QColor SciErrorColor READ SciErrorColor WRITE SetSciErrorColor)
  Q_PROPERTY(QColor SciErrorFontColor READ SciErrorFontColor WRITE SetSciErrorFontColor)

public:
  explicit TIASciEdit(QWidget* parent = nullptr, const QString& name = {});

  // The rules; call Refresh() after changing them to show the value in the new form.
  TSciSettings& Settings() { return sci_.Settings; }
  const TSciSettings& Settings() const { return sci_.Settings; }
  void Refresh();
  void SetSciType(TSciType type);

  int SciIntegerValue() const { return sci_.SciIntegerValue(); }
  void SetSciIntegerValue(int value);
  double SciFloatValue() const { return sci_.SciFloatValue(); }
  void SetSciFloatValue(double value);
  QColor SciErrorColor() const { return errorColor_; }
  void SetSciErrorColor(const QColor& color);
  QColor SciErrorFontColor() const { return errorFontColor_; }
  void SetSciErrorFontColor(const QColor& color);

  // Checks the text now, as finishing the edit does.
  TSciCommit Validate();
  bool InError() const { return inError_; }

signals:
  void OnNumberChange();
  void OnNotNumber();
  void OnOutOfBounds();

private:
  void Show(const TSciCommit& commit);
  void ShowError(const QString& error);
  void ClearError();

  TSciValidation sci_;
  QColor errorColor_ = Qt::red;
  QColor errorFontColor_ = Qt::white;
  bool inError_ = false;
  QPalette normal_;
};

}  // namespace velmara

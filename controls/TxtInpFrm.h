#pragma once
// The one-line text input dialog: a prompt (inpLbl), the text (InfoEdit) and the buttons OkBtn
// (result Accepted), Cancelbtn (Rejected) and DeleteBtn (DeleteResult), which the caller may hide
// where deleting makes no sense.

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace velmara {

class TTxtInpFrm : public QDialog {
public:
  static constexpr int DeleteResult = 2;

  explicit TTxtInpFrm(QWidget* parent = nullptr, const QString& caption = {}, const QString& prompt = {},
                      const QString& text = {});

  QString Text() const;
  void SetText(const QString& text);
  QLabel* inpLbl = nullptr;
  QLineEdit* InfoEdit = nullptr;
  QPushButton* OkBtn = nullptr;
  QPushButton* Cancelbtn = nullptr;
  QPushButton* DeleteBtn = nullptr;
};

}  // namespace velmara

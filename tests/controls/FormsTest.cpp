// The numeric box typed into, the text input dialog's buttons, and the form scaler.
#include "controls/IASciEdit.h"
#include "controls/Scale.h"
#include "controls/TxtInpFrm.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

namespace velmara {
namespace {

class SciEdit : public ::testing::Test {
protected:
  SciEdit() {
    auto* layout = new QVBoxLayout(&form_);
    box_ = new TIASciEdit(&form_, "Lat_1");
    other_ = new QLineEdit(&form_);
    layout->addWidget(box_);
    layout->addWidget(other_);
    box_->SetSciType(TSciType::iastInteger);
    box_->Settings().SciIntMin = 0;
    box_->Settings().SciIntMax = 90;
    box_->Settings().SciIntDefault = 41;
    form_.show();
    QApplication::processEvents();
  }
  // Types a text over the box's contents and finishes with Enter.
  void Enter(const QString& text) {
    box_->setFocus();
    box_->selectAll();
    QTest::keyClicks(box_, text);
    QTest::keyClick(box_, Qt::Key_Return);
  }

  QWidget form_;
  TIASciEdit* box_ = nullptr;
  QLineEdit* other_ = nullptr;
};

TEST_F(SciEdit, TypedValuesChangeTheNumberAndWrongOnesTheirReaction) {
  QSignalSpy changes(box_, &TIASciEdit::OnNumberChange);
  QSignalSpy notNumbers(box_, &TIASciEdit::OnNotNumber);
  QSignalSpy outOfBounds(box_, &TIASciEdit::OnOutOfBounds);
  EXPECT_EQ(box_->objectName(), "Lat_1");

  Enter("13");
  EXPECT_EQ(box_->SciIntegerValue(), 13);
  EXPECT_EQ(changes.count(), 1);

  Enter("95");  // nearest bound by default
  EXPECT_EQ(box_->text(), "90");
  EXPECT_EQ(box_->SciIntegerValue(), 90);
  EXPECT_EQ(outOfBounds.count(), 1);
  EXPECT_TRUE(box_->InError());
  EXPECT_EQ(box_->toolTip(), "Out Of Bounds");
  EXPECT_EQ(box_->palette().color(QPalette::Base), box_->SciErrorColor());
  EXPECT_EQ(box_->palette().color(QPalette::Text), box_->SciErrorFontColor());

  Enter("x1");  // back to the default
  EXPECT_EQ(box_->text(), "41");
  EXPECT_EQ(notNumbers.count(), 1);
  EXPECT_EQ(box_->toolTip(), "The value is Not Number");
  EXPECT_EQ(changes.count(), 3);

  Enter("7");
  EXPECT_FALSE(box_->InError());
  EXPECT_NE(box_->palette().color(QPalette::Base), box_->SciErrorColor());
}

TEST_F(SciEdit, UserMustCorrectKeepsTheEntryUntilItIsRight) {
  box_->Settings().SciReactOutBounds = TSciReactOutBounds::iasrovoommUserMustcorrect;
  box_->SetSciErrorColor(Qt::yellow);
  box_->SetSciIntegerValue(10);
  Enter("120");
  EXPECT_EQ(box_->text(), "120");
  EXPECT_EQ(box_->SciIntegerValue(), 10);
  EXPECT_EQ(box_->palette().color(QPalette::Base), QColor(Qt::yellow));
  // Editing takes the error colours away; leaving the box checks again.
  QTest::keyClick(box_, Qt::Key_Backspace);
  EXPECT_FALSE(box_->InError());
  other_->setFocus();
  QApplication::processEvents();
  EXPECT_EQ(box_->SciIntegerValue(), 12);
}

TEST_F(SciEdit, CommaCountsAsPointOnlyWhenAsked) {
  box_->SetSciType(TSciType::iastFloat);
  box_->Settings().SciNFixedPrecitionDigits = 3;
  box_->Settings().SciFloatMax = 60;
  Enter("13,5");
  EXPECT_EQ(box_->SciFloatValue(), 0.0) << "not a number: the default";
  box_->Settings().SciFloatPointType = TSciFloatPointType::iasdptPointAndCommaAreEqual;
  Enter("13,5");
  EXPECT_EQ(box_->SciFloatValue(), 13.5);
  EXPECT_EQ(box_->text(), "13.500");
}

// Presses a dialog button once the dialog runs modally.
int RunPressing(TTxtInpFrm& dialog, QPushButton* button) {
  QTimer::singleShot(0, button, [button] { QTest::mouseClick(button, Qt::LeftButton); });
  return dialog.exec();
}

TEST(TxtInpFrm, ButtonsGiveTheirResultsAndTheTextIsKept) {
  TTxtInpFrm dialog(nullptr, "Edit Plot Name", "Enter new Plot name", "Main");
  for (const char* name : {"inpLbl", "InfoEdit", "OkBtn", "Cancelbtn", "DeleteBtn"})
    EXPECT_NE(dialog.findChild<QWidget*>(name), nullptr) << name;
  EXPECT_EQ(dialog.windowTitle(), "Edit Plot Name");
  EXPECT_EQ(dialog.inpLbl->text(), "Enter new Plot name");

  dialog.InfoEdit->setText("Snapper");
  EXPECT_EQ(RunPressing(dialog, dialog.OkBtn), QDialog::Accepted);
  EXPECT_EQ(dialog.Text(), "Snapper");
  EXPECT_EQ(RunPressing(dialog, dialog.Cancelbtn), QDialog::Rejected);
  EXPECT_EQ(RunPressing(dialog, dialog.DeleteBtn), TTxtInpFrm::DeleteResult);

  // Enter in the text is OK.
  QTimer::singleShot(0, dialog.InfoEdit, [&] { QTest::keyClick(dialog.InfoEdit, Qt::Key_Return); });
  EXPECT_EQ(dialog.exec(), QDialog::Accepted);
}

TEST(Scale, ScalesGeometryAndFontsFromTheDesign) {
  QWidget form;
  form.resize(200, 100);
  auto* label = new QLabel("Depth", &form);
  label->setGeometry(10, 20, 50, 30);
  QFont font = label->font();
  font.setPointSizeF(10);
  label->setFont(font);
  auto* inner = new QWidget(&form);
  auto* layout = new QVBoxLayout(inner);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->setSpacing(6);
  inner->setGeometry(100, 0, 80, 80);

  TScale scale(form, "Scale1");
  EXPECT_EQ(scale.ScaleByPercent(), 100);
  scale.SetScaleByPercent(150);
  EXPECT_EQ(form.size(), QSize(300, 150));
  EXPECT_EQ(label->geometry(), QRect(15, 30, 75, 45));
  EXPECT_DOUBLE_EQ(label->font().pointSizeF(), 15.0);
  EXPECT_EQ(layout->contentsMargins(), QMargins(6, 6, 6, 6));
  EXPECT_EQ(layout->spacing(), 9);

  scale.SetScaleByPercent(75);
  EXPECT_EQ(label->geometry(), QRect(8, 15, 38, 23));
  scale.SetScaleByPercent(100);
  EXPECT_EQ(form.size(), QSize(200, 100));
  EXPECT_EQ(label->geometry(), QRect(10, 20, 50, 30));
  EXPECT_DOUBLE_EQ(label->font().pointSizeF(), 10.0);
  EXPECT_EQ(layout->spacing(), 6);
}

}  // namespace
}  // namespace velmara

#pragma once
// "Graphics Test Result": the averaged frame rate with its ranking highlighted and the verdict's
// text; "Continue" (accepted) or "Re-perform Test" (the retry result). Another program (a test or
// support tool) may press either through the "TfrmMyResults" port: message 0x0111 with wParam 1
// for Continue, 2 for Re-perform Test.

#include "platform/MessagePort.h"

#include <QDialog>

#include <memory>

namespace velmara {

class TfrmMyResults : public QDialog {
public:
  static constexpr const char* PortName = "TfrmMyResults";
  static constexpr int Retry = 2;  // the dialog's result for "Re-perform Test"

  TfrmMyResults(double result, QWidget* parent = nullptr);
  ~TfrmMyResults() override;

private:
  std::unique_ptr<platform::MessagePort> port_;
};

}  // namespace velmara

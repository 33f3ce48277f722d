#include "app/forms/MyResultsFrm.h"

#include "app/view/GraphicsTest.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmara {
namespace {

constexpr std::uint32_t kCommand = 0x0111;

}  // namespace

TfrmMyResults::TfrmMyResults(double result, QWidget* parent) : QDialog(parent) {
  setObjectName("frmMyResults");
  setWindowTitle("Graphics Test Result");
  auto* layout = new QVBoxLayout(this);
  auto* lblResult = new QLabel(QString::fromStdString(ResultText(result)), this);
  lblResult->setObjectName("lblResult");
  lblResult->setStyleSheet("font-size: 16px; font-weight: bold");
  layout->addWidget(lblResult);

  const TFpsVerdict verdict = VerdictFor(result);
  auto* rankings = new QGroupBox("FPS Rankings", this);
  rankings->setObjectName("grpRankings");
  auto* ranks = new QVBoxLayout(rankings);
  const struct {
    const char* name;
    const char* caption;
    TFpsVerdict verdict;
  } rows[] = {{"lblPoor", "0-10 = Poor", TFpsVerdict::Poor},
              {"lblGood", "10-20 = Good", TFpsVerdict::Good},
              {"lblVeryGood", "20+ = Very Good", TFpsVerdict::VeryGood}};
  for (const auto& row : rows) {
    auto* label = new QLabel(row.caption, rankings);
    label->setObjectName(row.name);
    if (row.verdict == verdict) label->setStyleSheet("color: red; font-weight: bold");
    ranks->addWidget(label);
  }
  layout->addWidget(rankings);

  const struct {
    const char* name;
    const char* text;
    TFpsVerdict verdict;
  } texts[] = {
      {"lblText0010",
       "Warning: Your graphics test score indicates that your graphics card is not suitable for use with Velmara3D. We "
       "recommend Velmara3D is not installed. Press the 'Continue' button to exit the graphics test and then manually "
       "exit the installation program by pressing the 'Exit' button.",
       TFpsVerdict::Poor},
      {"lblText1020",
       "Congratulations. Your graphics test score indicates that your graphics card has the minimum performance "
       "requirements for running Velmara3D.",
       TFpsVerdict::Good},
      {"lblText20over", "Congratulations. Your graphics test score indicates that your graphics card will easily run Velmara3D.",
       TFpsVerdict::VeryGood},
  };
  for (const auto& text : texts) {
    auto* label = new QLabel(text.text, this);
    label->setObjectName(text.name);
    label->setWordWrap(true);
    label->setVisible(text.verdict == verdict);
    layout->addWidget(label);
  }

  auto* buttons = new QHBoxLayout();
  auto* proceed = new QPushButton("Continue", this);
  proceed->setObjectName("btnContinue");
  auto* retry = new QPushButton("Re-perform Test", this);
  retry->setObjectName("btnRetry");
  buttons->addWidget(proceed);
  buttons->addWidget(retry);
  layout->addLayout(buttons);
  connect(proceed, &QPushButton::clicked, this, &QDialog::accept);
  connect(retry, &QPushButton::clicked, this, [this] { done(Retry); });
  setMinimumWidth(420);

  port_ = std::make_unique<platform::MessagePort>(PortName, [this](const platform::TWindowMessage& m) {
    if (m.number != kCommand) return;
    if (m.wParam == 1) accept();
    if (m.wParam == 2) done(Retry);
  });
}

TfrmMyResults::~TfrmMyResults() = default;

}  // namespace velmara

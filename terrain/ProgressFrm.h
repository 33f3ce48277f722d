#pragma once
// The progress window: an always-on-top box with the terrain pipeline's stage, a bar and point
// counts. Driven only by its two messages through the "TProgressFrm" message port, so any thread
// or process can report to it; it never needs to be touched directly.

#include <QWidget>
#include <memory>

#include "platform/MessagePort.h"
#include "terrain/ProgressState.h"

class QFrame;
class QLabel;
class QProgressBar;

namespace velmara {

class TProgressFrm : public QWidget {
public:
  static constexpr const char* PortName = "TProgressFrm";

  explicit TProgressFrm(QWidget* parent = nullptr);

  // Night (dark) or day colouring of the window.
  void SetDarkScheme(bool dark);
  const TProgressState& State() const { return state_; }

private:
  void Handle(const platform::TWindowMessage& message);
  void Apply();
  QLabel* AddLabel(const char* name, const char* caption, bool value, int row, int column);

  TProgressState state_;
  QFrame* panel_ = nullptr;
  QLabel *points_ = nullptr, *etopo_ = nullptr, *land_ = nullptr, *hardCount_ = nullptr, *roughCount_ = nullptr,
         *markCount_ = nullptr, *hardness_ = nullptr, *roughness_ = nullptr, *stage_ = nullptr;
  QProgressBar* bar_ = nullptr;
  std::unique_ptr<platform::MessagePort> port_;
};

}  // namespace velmara

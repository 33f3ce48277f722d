#pragma once
// The splash window "VELMARA 3D": the picture, the mode and progress labels and bar, and a small
// 3D view whose first frame runs the graphics probe. Handles the splash progress message
// (WM_USER + 100) sent to its "TSplashFrm" port.

#include "app/shell/GraphicsProbe.h"
#include "platform/MessagePort.h"

#include <QWidget>

#include <memory>
#include <optional>

class QLabel;
class QProgressBar;

namespace velmara {

class TSplashFrm : public QWidget {
public:
  static constexpr const char* PortName = "TSplashFrm";

  explicit TSplashFrm(int gridSize);
  ~TSplashFrm() override;

  // Shows the window and waits (handling events) until the probe ran or `timeoutMs` passed.
  std::optional<TGraphicsProbe> ShowAndProbe(int timeoutMs = 10000);
  void SetMode(const QString& text);
  void SetProgress(int position);
  // wParam ≠ 0: bar position lParam; wParam = 0, lParam ≠ 0: maximum |lParam| with "Extracting..."
  // (lParam < 0) or "Gridding..."; lParam = 0: bar and label hidden.
  void HandleProgress(std::int64_t wParam, std::int64_t lParam);

private:
  class ProbeView;
  int gridSize_;
  QLabel* lblOpenGL_ = nullptr;
  QLabel* lblRenderer_ = nullptr;
  QLabel* lblMode_ = nullptr;
  QLabel* pbarLbl_ = nullptr;
  QProgressBar* bar_ = nullptr;
  ProbeView* probeView_ = nullptr;
  std::optional<TGraphicsProbe> probe_;
  std::unique_ptr<platform::MessagePort> port_;
};

}  // namespace velmara

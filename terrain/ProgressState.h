#pragma once
// What the progress window shows, driven only by its two messages: "progress" (WM_USER + 100)
// and "status" (WM_USER + 123). The window applies this state to its controls.

#include <cstdint>
#include <string>

namespace velmara {

constexpr uint32_t ProgressWindowMessage = 1124;  // WM_USER + 100
constexpr uint32_t StatusWindowMessage = 1147;    // WM_USER + 123

struct TProgressState {
  bool Visible = true;
  std::string Stage;  // pbarlbl
  int BarMax = 100;
  int BarPosition = 0;
  // Value labels (start at "0") and the two captions that may be cleared.
  std::string Points = "0", Etopo = "0", Land = "0", HardCount = "0", RoughCount = "0", MarkCount = "0";
  std::string HardnessCaption = "Hard Pts:", RoughnessCaption = "Rough Pts:";

  // Applies one message; false when it is neither of the two or changes nothing by its code.
  bool Handle(uint32_t message, int64_t wParam, int64_t lParam);

private:
  void Progress(int64_t wParam, int64_t lParam);
  bool Status(int64_t wParam, int64_t lParam);
};

}  // namespace velmara

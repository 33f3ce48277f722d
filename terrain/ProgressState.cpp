#include "terrain/ProgressState.h"

#include <cstdlib>

#include "app/base/NumberFormat.h"

namespace velmara {
namespace {

std::string Count(int64_t value) { return FormatFloat(static_cast<double>(value), "#,###,##0"); }
int Magnitude(int64_t value) { return static_cast<int>(value < 0 ? -value : value); }

}  // namespace

bool TProgressState::Handle(uint32_t message, int64_t wParam, int64_t lParam) {
  if (message == ProgressWindowMessage) {
    Progress(wParam, lParam);
    return true;
  }
  if (message == StatusWindowMessage) return Status(wParam, lParam);
  return false;
}

void TProgressState::Progress(int64_t wParam, int64_t lParam) {
  if (wParam > 0) {
    BarPosition = static_cast<int>(lParam);
    return;
  }
  if (lParam == 0) {
    Visible = false;
    return;
  }
  if (wParam < 0) {
    Stage = "Rendering...";
    BarPosition = 50;
  } else if (lParam < 0) {
    Stage = "Extracting...";
    Etopo = Land = MarkCount = RoughCount = HardCount = "";
    BarPosition = 0;
  } else {
    Stage = "Gridding...";
  }
  BarMax = Magnitude(lParam);
  Visible = true;
}

bool TProgressState::Status(int64_t wParam, int64_t lParam) {
  if (wParam > 0) {
    Points = Count(lParam);
    return true;
  }
  switch (wParam) {
    case -1000: Visible = false; break;
    case -102:
      BarPosition = 0;
      Visible = true;
      BarPosition = static_cast<int>(lParam);
      break;
    case -101:
      BarMax = Magnitude(lParam);
      BarPosition = 0;
      Visible = true;
      Etopo = "processing...";
      break;
    case -100: break;
    case -19: MarkCount = Count(lParam); break;
    case -18:
      RoughnessCaption = "Rough Pts:";
      RoughCount = Count(lParam);
      break;
    case -17: Stage = "Loading..please wait"; break;
    case -16: RoughCount = HardCount = RoughnessCaption = HardnessCaption = ""; break;
    case -15:
      HardnessCaption = "Hard Pts:";
      HardCount = Count(lParam);
      break;
    case -14: Stage = "Processing roughness/hardness..."; break;
    case -13: Stage = "Extracting roughness/hardness..."; break;
    case -12: Stage = "Checking database for updates please wait..."; break;
    case -11: Stage = "Loading data please wait..."; break;
    case -10: Stage = "Starting Velmara..please wait"; break;
    case -9:
      Stage = "Upgrading dabatase..please wait";
      Etopo = "Stage: " + Count(lParam);
      break;
    case -8: Land = Count(lParam); break;
    case -7: Points = "wide area view"; break;
    case -6: Etopo = Count(lParam); break;
    case -5:
    case -4: Stage = "Gridding......"; break;
    case -3: Stage = "Extracting...Processing.."; break;
    case -2: Stage = "Extracting...Loading..."; break;
    case -1: Stage = "Extracting...Etopo..."; break;
    default: return false;
  }
  return true;
}

}  // namespace velmara

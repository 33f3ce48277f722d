#include "app/settings/StartupDefaults.h"

#include <algorithm>

namespace velmara {

TStartupDefaults StartupDefaults(bool inshore) {
  TStartupDefaults defaults;
  const int limit = KeepNetDepthLimit(inshore ? 50 : 200);
  defaults.netDepthLimits[0] = limit;
  defaults.netDepthLimits[1] = limit;
  return defaults;
}

int KeepNetDepthLimit(int limit) { return std::clamp(limit, MinNetDepthLimit, MaxNetDepthLimit); }

}  // namespace velmara

#include "app/shell/ProgramValues.h"

namespace velmara {

void TProgramValues::Initialise(const std::string& programDir) {
  *this = TProgramValues();
  HalfGrid = GridSize / 2;
  ThirdGrid = GridSize / 3;
  ThreeQuarterGrid = (GridSize / 4) * 3;
  ProgramDir = programDir;
  while (ProgramDir.size() > 1 && ProgramDir.back() == '/') ProgramDir.pop_back();
  ProgramDirSlash = ProgramDir + "/";
}

TProgramValues& Program() {
  static TProgramValues values;
  return values;
}

}  // namespace velmara

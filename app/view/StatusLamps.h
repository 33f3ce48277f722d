#pragma once
// The status bar's lamps and switches: whether the logging program, the sounding service and the
// database server run, what the incoming data's status word says, the tide line, "Record Data"
// and the colours of the two check boxes.

#include "app/base/Geodesy.h"
#include "app/view/IncomingStatus.h"
#include "app/view/MainControls.h"

#include <functional>

namespace velmara {

class TShipData;
class TGLKVTMenu;

class TStatusLamps {
public:
  TStatusLamps(const TMainControls& controls, TShipData& shipData, TGLKVTMenu& hud);

  std::function<bool()> PanelDark;
  TDepthUnit DepthUnit = TDepthUnit::Metres;

  // The process and service lamps, then the tide line.
  void CheckLamps();
  void ShowIncomingStatus(std::uint16_t status);
  void RecordDataClicked();
  void ColourCheckBoxes();

private:
  const TMainControls& controls_;
  TShipData& shipData_;
  TGLKVTMenu& hud_;
};

}  // namespace velmara

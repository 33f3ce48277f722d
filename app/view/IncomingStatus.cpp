#include "app/view/IncomingStatus.h"

namespace velmara {

TIncomingStatus IncomingDataStatus(std::uint16_t s) {
  auto bit = [s](int n) { return (s >> n) & 1u; };
  TIncomingStatus status;
  if (!bit(1) && !bit(2) && !bit(3)) {
    status.good = true;
    status.gpsText = bit(0) ? "Incoming Data Good. Info only! Invalid date from GPS." : "Incoming Data Good.";
    if (bit(4)) status.gpsText += " Note! Data logging suspended";
    return status;
  }
  if (bit(0)) status.gpsText += "Invalid date from GPS. ";
  if (bit(1)) {
    status.gpsText += "Position problem, usually no new position from GPS. ";
    status.gpsOff = true;
  }
  if (bit(2)) {
    status.depthText += "No depth received since last log entry. ";
    status.depthOff = true;
  }
  if (bit(3)) {
    status.depthText += "Depth outside predefined range. ";
    status.depthOff = true;
  }
  return status;
}

}  // namespace velmara

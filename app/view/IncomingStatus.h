#pragma once
// What the logging program's status word says about the incoming data: the GPS and sounder
// texts the lamps' hints show, and which lamps go out.

#include <cstdint>
#include <string>

namespace velmara {

struct TIncomingStatus {
  bool good = false;      // none of the position and depth problem bits
  bool gpsOff = false;    // position problem
  bool depthOff = false;  // no depth or depth out of range
  std::string gpsText;
  std::string depthText;
};

TIncomingStatus IncomingDataStatus(std::uint16_t status);

// The logging switch written to channel 16 for "Record Data": 0 logs, 1 suspends.
inline int RecordDataChannelValue(bool ticked) { return ticked ? 0 : 1; }

}  // namespace velmara

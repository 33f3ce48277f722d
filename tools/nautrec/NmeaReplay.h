#pragma once
// Replays an NMEA 0183 log into the simulated logger's state: GGA and RMC for position, HDT and
// VTG for heading and speed, DPT and DBT for the depth under the keel. Malformed lines (a bad
// checksum, too few fields, unreadable numbers) are counted and skipped.

#include <string>
#include <string_view>

#include "tools/nautrec/VesselState.h"

namespace velmara::nautrec {

class NmeaReplay {
public:
  enum class Line { Ignored, Accepted, PositionFix, Malformed };

  // Takes one line into `state`; a PositionFix ends one step of the replay.
  Line Feed(std::string_view line, VesselState& state);

  int malformed() const { return malformed_; }
  int accepted() const { return accepted_; }
  const std::string& lastProblem() const { return lastProblem_; }
  // Depth under the keel in metres from the last DPT or DBT; negative before the first.
  double depth() const { return depth_; }

private:
  Line Refuse(std::string problem);
  int malformed_ = 0;
  int accepted_ = 0;
  double depth_ = -1;
  std::string lastProblem_;
};

}  // namespace velmara::nautrec

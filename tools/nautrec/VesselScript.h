#pragma once
// A scripted run of a trawler: steady course and speed with changes at given times, the bottom
// under it, a net towed behind on its warps, tide and status bits.

#include <vector>

#include "tools/nautrec/VesselState.h"

namespace velmara::nautrec {

struct CourseChange {
  double atSeconds = 0;
  double heading = 0;
  double speedKnots = -1;  // negative keeps the speed
};

struct ScriptSettings {
  double startLat = 62.0, startLon = 5.0;
  double heading = 0, speedKnots = 3.5;
  std::vector<CourseChange> changes;  // in time order
  uint16_t status = 0;
  bool tideValid = false;
  double tide = 0;
  bool net = true;
  double bottomDepth = 200;      // metres at the start
  double bottomSlopePerNm = 0;   // metres deeper per nautical mile run
  double netHeight = 5, netSpread = 30, wireOut = 600;
  bool netPositionSensor = false;
};

class VesselScript {
public:
  explicit VesselScript(ScriptSettings settings);
  // Moves the run on by `seconds` and returns the new state.
  const VesselState& Advance(double seconds);
  const VesselState& state() const { return state_; }
  double elapsed() const { return elapsed_; }
  // The bottom depth (metres) under the vessel now.
  double BottomDepth() const;

private:
  void UpdateNet();
  ScriptSettings settings_;
  VesselState state_;
  double elapsed_ = 0;
  double distanceRun_ = 0;
  std::size_t nextChange_ = 0;
};

// The point `metres` from (lat, lon) along `heading` on the chart's sphere (one minute, one mile).
void MoveAlong(double& lat, double& lon, double heading, double metres);

}  // namespace velmara::nautrec

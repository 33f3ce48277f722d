#pragma once
// What the simulated logging program knows at one moment, and how it lands in the vessel record.

#include <cstdint>

#include "link/VesselRecord.h"

namespace velmara::nautrec {

struct VesselState {
  double lat = 0, lon = 0;
  double heading = 0;      // degrees true
  double speedKnots = 0;
  uint16_t status = 0;     // incoming-data status bits
  bool tideValid = false;
  double tide = 0;         // metres
  // Net sensor: depth in metres below the surface, height above the bottom, spread, position.
  bool netSensor = false;
  float netDepth = 0, netHeight = 0, netSpread = 0;
  double netLat = 0, netLon = 0;
  // With a position sensor on the net the logger publishes its position (53, 61); without one
  // those fields belong to the chart, which writes its estimate there.
  bool netPositionSensor = false;
  uint16_t netFlags = 0;
  uint8_t netSensorKind = 0;
};

// Writes every field the logger publishes; the fields the chart writes back stay as they are.
void Publish(const VesselState& state, TVesselRecord& record);

// What the chart wrote back into the block.
struct ChartFeedback {
  uint16_t loggingSwitch = 0;
  double netLat = 0, netLon = 0;
  float netOpening = 0;
  char netKind = 0;
  bool operator==(const ChartFeedback&) const = default;
};
ChartFeedback ReadFeedback(const TVesselRecord& record);

}  // namespace velmara::nautrec

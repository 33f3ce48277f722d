#include "tools/nautrec/VesselState.h"

namespace velmara::nautrec {

void Publish(const VesselState& state, TVesselRecord& record) {
  record.Latitude = state.lat;
  record.Longitude = state.lon;
  record.Status = state.status;
  record.TideValid = state.tideValid ? 1 : 0;
  record.Tide = state.tide;
  record.NetSensorFlags = state.netFlags;
  record.NetSensorKind = state.netSensorKind;
  if (state.netSensor) {
    record.NetDepth = state.netDepth;
    record.NetHeight = state.netHeight;
    record.NetSpread = state.netSpread;
    if (state.netPositionSensor) {
      record.NetLatitude = state.netLat;
      record.NetLongitude = state.netLon;
    }
  } else {
    record.NetDepth = 0;
  }
}

ChartFeedback ReadFeedback(const TVesselRecord& record) {
  return {record.LoggingSwitch, record.NetLatitude, record.NetLongitude, record.NetOpening, record.NetKind};
}

}  // namespace velmara::nautrec

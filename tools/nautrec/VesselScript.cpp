#include "tools/nautrec/VesselScript.h"

#include <algorithm>
#include <cmath>

namespace velmara::nautrec {
namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double MetresPerDegree = 1852.0 * 60.0;

}  // namespace

void MoveAlong(double& lat, double& lon, double heading, double metres) {
  const double h = heading * Pi / 180.0;
  lat += metres * std::cos(h) / MetresPerDegree;
  lon += metres * std::sin(h) / (MetresPerDegree * std::cos(lat * Pi / 180.0));
  if (lon > 180) lon -= 360;
  if (lon <= -180) lon += 360;
}

VesselScript::VesselScript(ScriptSettings settings) : settings_(std::move(settings)) {
  state_.lat = settings_.startLat;
  state_.lon = settings_.startLon;
  state_.heading = settings_.heading;
  state_.speedKnots = settings_.speedKnots;
  state_.status = settings_.status;
  state_.tideValid = settings_.tideValid;
  state_.tide = settings_.tide;
  state_.netSensor = settings_.net;
  state_.netPositionSensor = settings_.netPositionSensor;
  UpdateNet();
}

double VesselScript::BottomDepth() const {
  // A sloping bed with gentle banks a mile apart.
  const double miles = distanceRun_ / 1852.0;
  return settings_.bottomDepth + settings_.bottomSlopePerNm * miles + 8.0 * std::sin(miles * 2.0 * Pi);
}

const VesselState& VesselScript::Advance(double seconds) {
  // A change at T steers the run from T on.
  while (nextChange_ < settings_.changes.size() && settings_.changes[nextChange_].atSeconds <= elapsed_) {
    const CourseChange& change = settings_.changes[nextChange_++];
    state_.heading = change.heading;
    if (change.speedKnots >= 0) state_.speedKnots = change.speedKnots;
  }
  const double metres = state_.speedKnots * 1852.0 / 3600.0 * seconds;
  MoveAlong(state_.lat, state_.lon, state_.heading, metres);
  distanceRun_ += metres;
  elapsed_ += seconds;
  UpdateNet();
  return state_;
}

void VesselScript::UpdateNet() {
  if (!settings_.net) return;
  const double depth = std::max(1.0, BottomDepth() - settings_.netHeight);
  state_.netDepth = static_cast<float>(depth);
  state_.netHeight = static_cast<float>(settings_.netHeight);
  state_.netSpread = static_cast<float>(settings_.netSpread);
  const double layback = std::sqrt(std::max(0.0, settings_.wireOut * settings_.wireOut - depth * depth));
  state_.netLat = state_.lat;
  state_.netLon = state_.lon;
  MoveAlong(state_.netLat, state_.netLon, state_.heading + 180.0, layback);
}

}  // namespace velmara::nautrec

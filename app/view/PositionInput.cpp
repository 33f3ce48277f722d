#include "app/view/PositionInput.h"

#include "app/base/NumberFormat.h"

#include <cmath>

namespace velmara {

GeoPoint PositionFromBoxes(const TPositionBoxes& b) {
  GeoPoint p{b.LatDegrees + b.LatMinutes / 60.0, b.LonDegrees + b.LonMinutes / 60.0};
  if (b.South) p.lat = -p.lat;
  if (b.West) p.lon = -p.lon;
  return p;
}

bool PositionInRange(const GeoPoint& p) { return p.lat > -90.0 && p.lat < 90.0 && p.lon >= -180.0 && p.lon <= 180.0; }

std::string DecimalDegreesText(double degrees, double minutes) {
  // The fraction with fifteen decimals, cut (not rounded) to eight, trailing zeros dropped.
  std::string fraction = FormatFloat(std::fabs(minutes / 60.0), "0.000000000000000");
  const std::size_t point = fraction.find('.');
  std::string digits = point == std::string::npos ? "" : fraction.substr(point + 1, 8);
  while (!digits.empty() && digits.back() == '0') digits.pop_back();
  if (digits.empty()) digits = "0";
  return "Decimal degrees: " + std::to_string(Trunc(degrees)) + "." + digits;
}

long long ConvertDisplayValue(double value, TDepthUnit from, TDepthUnit to) {
  const float metres = DisplayDepthToMetres(static_cast<float>(value), from);
  return Round(MetresToDisplayDepth(metres, to));
}

long long RoundedDisplayDepth(double metres, TDepthUnit unit) { return Round(MetresToDisplayDepth(static_cast<float>(metres), unit)); }

std::optional<TCursorReadout> CursorReadout(double range, double bearing, double depthMetres, TDepthUnit unit, double extent,
                                            const GeoPoint& point) {
  if (range > extent) return std::nullopt;
  if (bearing >= 360.0) bearing -= 360.0;
  const std::string label = UnitLabel(unit);
  const std::string depth = FormatFloat(MetresToDisplayDepth(static_cast<float>(depthMetres), unit), "000");
  const std::string bearingText = FormatFloat(bearing, "000");
  const std::string rangeText = FormatFloat(range / 1852.0, "0.00");
  TCursorReadout r;
  r.Mouse = "Cursor: Rng " + rangeText + "nm Brg " + bearingText + " Depth " + depth + " " + label;
  r.Latitude = PositionText(point.lat, true, PositionStyle::MinuteMarked);
  r.Longitude = PositionText(point.lon, false, PositionStyle::MinuteMarked);
  r.Depth = depth + " " + label;
  r.Bearing = bearingText;
  r.Range = rangeText + "nm";
  return r;
}

}  // namespace velmara

#include "app/base/Geodesy.h"

#include <algorithm>
#include <cmath>

#include "app/base/NumberFormat.h"

namespace velmara {
namespace {

constexpr double Pi = 3.14159265358979323846;

// Range and bearing keep the truncated factors and ellipsoid terms of the chart software the
// skippers compare against, so that distances agree to the metre.
constexpr double SemiMajorAxis = 6378137.0;
constexpr double EccentricityTerm = 0.006739496742337;
constexpr double DegToRad = 0.017453;
constexpr double RadToDeg = 57.295781;

struct PositionParts {
  int degrees;
  double minutes;
  char hemisphere;
};

PositionParts SplitPosition(double value, bool isLatitude) {
  const double magnitude = std::fabs(value);
  const int degrees = static_cast<int>(magnitude);
  const char hemisphere = isLatitude ? (value >= 0 ? 'N' : 'S') : (value >= 0 ? 'E' : 'W');
  return {degrees, (magnitude - degrees) * 60.0, hemisphere};
}

bool InDisplayRange(double value, bool isLatitude) {
  const double limit = isLatitude ? 90.0 : 180.0;
  return value > -limit && value < limit;
}

}  // namespace

TProjection& Projection() {
  static TProjection projection;
  return projection;
}

double NormaliseLongitude(double lon) {
  if (Projection().Longitudes0To360) return lon < 0 ? lon + 360.0 : lon;
  return lon > 180.0 ? lon - 360.0 : lon;
}

MercatorPoint GeoToMercator(double lat, double lon) {
  const TProjection& p = Projection();
  return {(NormaliseLongitude(lon) - p.CentralLongitude) * (p.EarthRadius * Pi / 180.0),
          std::log(std::tan((lat / 2.0 + 45.0) * Pi / 180.0)) * p.EarthRadius};
}

GeoPoint MercatorToGeo(double y, double x) {
  const TProjection& p = Projection();
  return {(Pi / 2.0 - 2.0 * std::atan(std::exp(-y / p.EarthRadius))) * 180.0 / Pi,
          x / p.EarthRadius * 180.0 / Pi + p.CentralLongitude};
}

double RangeAndBearing(double lat1, double lon1, double lat2, double lon2, double& bearing) {
  const double dLon = (lon1 - lon2) * DegToRad;
  const double dLat = (lat1 - lat2) * DegToRad;
  const double meanLat = (lat1 + lat2) / 2.0 * DegToRad;
  const double sinMean = std::sin(meanLat);
  const double w = 1.0 - EccentricityTerm * sinMean * sinMean;
  const double meridional = SemiMajorAxis * (1.0 - EccentricityTerm) / std::pow(w, 1.5);
  const double primeVertical = SemiMajorAxis / std::sqrt(w);

  const double cosLat1 = std::cos(lat1 * DegToRad);
  const double cosLat2 = std::cos(lat2 * DegToRad);
  const double sinHalfLat = std::sin(dLat / 2.0);
  const double sinHalfLon = std::sin(dLon / 2.0);
  const double z =
      2.0 * std::asin(std::min(1.0, std::sqrt(sinHalfLat * sinHalfLat + cosLat2 * cosLat1 * sinHalfLon * sinHalfLon)));
  bearing = 0.0;
  if (z == 0.0) return 0.0;

  // Rounding can put the sine a hair beyond ±1 on an east-west course; clamped, the course stays
  // a course instead of becoming a NaN that would read as zero distance.
  const double sinAlpha = std::clamp(cosLat2 * std::sin(dLon) / std::sin(z), -1.0, 1.0);
  const double alpha = std::asin(sinAlpha);
  const double sinA = std::sin(alpha);
  const double cosA = std::cos(alpha);
  const double radius = meridional * primeVertical / (meridional * sinA * sinA + primeVertical * cosA * cosA);
  const double distance = z * radius;

  const double a = std::fabs(alpha) * RadToDeg;
  if (lat2 >= lat1) bearing = lon2 >= lon1 ? a : 360.0 - a;
  else bearing = lon2 < lon1 ? 180.0 + a : 180.0 - a;
  return std::isnan(distance) ? 0.0 : distance;
}

double Range(double lat1, double lon1, double lat2, double lon2) {
  double bearing = 0.0;
  return RangeAndBearing(lat1, lon1, lat2, lon2, bearing);
}

std::string DistanceText(double metres) {
  if (metres >= 1852.0) return FormatFloat(metres / 1852.0, "#,###,##0.00") + " nm";
  return FormatFloat(metres, "#,##0.0") + " m";
}

std::string RangeText(double lat1, double lon1, double lat2, double lon2) {
  return DistanceText(Range(lat1, lon1, lat2, lon2));
}

std::string PositionText(double value, bool isLatitude, PositionStyle style) {
  if (!isLatitude && value > 180.0) value -= 360.0;
  const PositionParts parts = SplitPosition(value, isLatitude);
  const std::string letter(1, parts.hemisphere);
  switch (style) {
    case PositionStyle::Plain:
      return FormatText("%d %1.4f %s", parts.degrees, parts.minutes, letter);
    case PositionStyle::Prefixed:
      if (!InDisplayRange(value, isLatitude)) return "N/A";
      return letter + " " + std::to_string(parts.degrees) + " " + FormatFloat(parts.minutes, "00.0000");
    case PositionStyle::MinuteMarked:
      if (!InDisplayRange(value, isLatitude)) return "Bad Pos";
      return std::to_string(parts.degrees) + "\u00BA " + FormatFloat(parts.minutes, "00.000") + "'" + letter;
  }
  return {};
}

DegreesMinutes SplitForEntry(double value) {
  const double magnitude = std::fabs(value);
  const int degrees = static_cast<int>(magnitude);
  return {degrees, (magnitude - degrees) * 60.0, value < 0};
}

double DegreesMinutesToDecimal(double degrees, double minutes) {
  if (degrees >= 0 && minutes >= 0) return degrees + minutes / 60.0;
  const double m = degrees >= 0 ? std::fabs(minutes) : minutes;
  return -(std::fabs(degrees) + m / 60.0);
}

int32_t ToMicroDegrees(double value, bool longitude0To360) {
  if (longitude0To360 && value < 0) value += 360.0;
  const float scaled = static_cast<float>(value * 1000000.0);
  return static_cast<int32_t>(std::nearbyint(scaled));
}

MicroDegreePair ToMicroDegreePair(double lat, double lon) {
  return {ToMicroDegrees(lat), ToMicroDegrees(lon, true)};
}

double FromMicroDegrees(int32_t value, bool isLongitude) {
  double result = value * 0.000001;
  if (isLongitude && result > 180.0) result -= 360.0;
  return result;
}

const char* UnitLabel(TDepthUnit unit) {
  switch (unit) {
    case TDepthUnit::Fathoms: return "fm";
    case TDepthUnit::Feet: return "ft";
    case TDepthUnit::Metres: break;
  }
  return "m";
}

float MetresToDisplayDepth(float metres, TDepthUnit unit) {
  switch (unit) {
    case TDepthUnit::Feet: return metres * 3.2808f;
    case TDepthUnit::Fathoms: return metres * 0.546807f;
    case TDepthUnit::Metres: break;
  }
  return metres;
}

float DisplayDepthToMetres(float value, TDepthUnit unit) {
  switch (unit) {
    case TDepthUnit::Feet: return value * 0.3048f;
    case TDepthUnit::Fathoms: return value * 1.8288f;
    case TDepthUnit::Metres: break;
  }
  return value;
}

double NauticalMilesToMetres(double nm) { return nm / 0.000539956803455724; }

double HeadingOfVector(double x, double y) {
  double h = std::atan2(-x, y) * 180.0 / Pi + 90.0;
  if (h < 0) h += 360.0;
  return h;
}

SceneDirection DirectionFromHeading(double heading) {
  const double r = (90.0 - heading) * Pi / 180.0;
  return {-std::cos(r), std::sin(r)};
}

}  // namespace velmara

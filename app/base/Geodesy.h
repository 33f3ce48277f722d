#pragma once
// Geographic helpers used all over the program: the spherical Mercator plane, ellipsoidal range and
// bearing, position texts, micro-degree storage integers and depth/distance unit conversions.
// Pure functions; the only state is the program-wide projection below (main thread only).

#include <cstdint>
#include <string>

namespace velmara {

// The Mercator plane of the whole program: a sphere on which one nautical mile is one arc minute.
struct TProjection {
  double EarthRadius = 6366197.724;
  double HalfCircumference = 3.14159265358979323846 * 6366197.724;  // kept for callers that wrap x
  double CentralLongitude = 0.0;
  // Set by the height-data source when the loaded area straddles the date line.
  bool Longitudes0To360 = false;
};

// The one program-wide projection instance.
TProjection& Projection();

struct MercatorPoint {
  double x = 0.0;  // metres east
  double y = 0.0;  // metres north
};

struct GeoPoint {
  double lat = 0.0;
  double lon = 0.0;
};

// Longitude in the current range: with the 0..360 switch on negative values get +360, with it off
// values above 180 get -360.
double NormaliseLongitude(double lon);

MercatorPoint GeoToMercator(double lat, double lon);
// The longitude is not normalised.
GeoPoint MercatorToGeo(double y, double x);

// Distance in metres from (lat1, lon1) to (lat2, lon2) on the WGS84 ellipsoid, with the bearing in
// degrees true (0..360) written to `bearing`.
double RangeAndBearing(double lat1, double lon1, double lat2, double lon2, double& bearing);
double Range(double lat1, double lon1, double lat2, double lon2);
// "1,851.9 m" below one nautical mile, "1.00 nm" from there on.
std::string RangeText(double lat1, double lon1, double lat2, double lon2);
std::string DistanceText(double metres);

enum class PositionStyle {
  Plain,         // 45 7.1234 N
  Prefixed,      // N 45 07.1234, "N/A" out of range
  MinuteMarked,  // 45º 07.123'N, "Bad Pos" out of range
};
std::string PositionText(double value, bool isLatitude, PositionStyle style);

struct DegreesMinutes {
  int degrees = 0;       // whole degrees of the absolute value
  double minutes = 0.0;  // decimal minutes of the absolute value
  bool negative = false; // south or west
};
// For the degree and decimal-minute entry boxes; the sign goes into the N/S or E/W box.
DegreesMinutes SplitForEntry(double value);
double DegreesMinutesToDecimal(double degrees, double minutes);

// Storage and plotter integers: millionths of a degree through single precision, ties to even.
int32_t ToMicroDegrees(double value, bool longitude0To360 = false);
struct MicroDegreePair {
  int32_t lat = 0;
  int32_t lon = 0;  // always 0..360 degrees
};
MicroDegreePair ToMicroDegreePair(double lat, double lon);
double FromMicroDegrees(int32_t value, bool isLongitude);

enum class TDepthUnit : int { Metres = 0, Fathoms = 1, Feet = 2 };
const char* UnitLabel(TDepthUnit unit);
float MetresToDisplayDepth(float metres, TDepthUnit unit);
float DisplayDepthToMetres(float value, TDepthUnit unit);
double NauticalMilesToMetres(double nm);

// Heading in degrees 0..360 of a direction (x, y) in the terrain plane.
double HeadingOfVector(double x, double y);
struct SceneDirection {
  double x = 0.0;
  double z = 0.0;
};
// Unit direction in the scene (+X west, +Z north) for a heading in degrees true.
SceneDirection DirectionFromHeading(double heading);

}  // namespace velmara

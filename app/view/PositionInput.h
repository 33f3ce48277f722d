#pragma once
// The rules of the position boxes and the depth-unit switch: reading a typed position, checking its
// range, the decimal-degree text of a right click, unit conversions of displayed integers, and the
// texts of the mouse read-out. Pure functions; the Qt handlers use them.

#include "app/base/Geodesy.h"

#include <optional>
#include <string>

namespace velmara {

// The typed values of the position boxes.
struct TPositionBoxes {
  double LatDegrees = 0.0;
  double LatMinutes = 0.0;
  bool South = false;
  double LonDegrees = 0.0;
  double LonMinutes = 0.0;
  bool West = false;
};

inline constexpr const char* InvalidPositionMessage = "Invalid position set: must be in range 90S:90N, 180W:180E";

// Degrees + minutes / 60, negated for south and west.
GeoPoint PositionFromBoxes(const TPositionBoxes& boxes);
// Latitude strictly between −90 and 90, longitude from −180 to 180.
bool PositionInRange(const GeoPoint& position);

// "Decimal degrees: " + whole degrees + "." + up to eight digits after the point of minutes / 60.
std::string DecimalDegreesText(double degrees, double minutes);

// A displayed depth value taken to another unit and rounded to an integer, ties to even.
long long ConvertDisplayValue(double value, TDepthUnit from, TDepthUnit to);
// Metres in a display unit, rounded, ties to even.
long long RoundedDisplayDepth(double metres, TDepthUnit unit);

// The texts of the cursor read-out for a point `rangeMetres` from the boat.
struct TCursorReadout {
  std::string Mouse;         // the status line txtMouse
  std::string Latitude;      // minute-marked
  std::string Longitude;
  std::string Depth;         // "000" + unit
  std::string Bearing;       // "000"
  std::string Range;         // "0.00nm"
};
// Nothing when the point is farther than the map extent (metres per cell × grid size).
std::optional<TCursorReadout> CursorReadout(double rangeMetres, double bearing, double depthMetres, TDepthUnit unit,
                                            double mapExtentMetres, const GeoPoint& point);

}  // namespace velmara

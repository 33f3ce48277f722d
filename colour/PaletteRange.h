#pragma once
// The palette toolbar's computations, as plain functions of what the controls hold: the range
// lists, whether a range is valid, applying a range to a palette (with the contour intervals it
// hands on) and the automatic range from the heights around the vessel.

#include <string>
#include <vector>

#include "app/base/Geodesy.h"
#include "colour/DepthPalette.h"

namespace velmara {

struct TRangeLists {
  std::vector<std::string> minimum, maximum;
};
TRangeLists RangeListItems(TPaletteKind kind, bool inshore);

// The contour interval list: 10 ... 1000, with 1, 2 and 5 in front in inshore mode.
std::vector<std::string> ContourIntervalItems(bool inshore);

// Whether a character typed into a range box is kept: the digits and backspace only.
bool RangeKeyAccepted(char32_t typed);

// The kind's name above the legend ("DEPTH", "HARD", "ROUGH") and the hints of the range boxes.
const char* PaletteKindLabel(TPaletteKind kind);
struct TRangeHints {
  const char* minimum;
  const char* maximum;
};
TRangeHints RangeHints(TPaletteKind kind);

// Both texts are integers and minimum < maximum.
bool RangeValid(const std::string& minimumText, const std::string& maximumText);

struct TPaletteRangeInput {
  TPaletteKind kind = TPaletteKind::pkDepth;
  bool forceDepth = false;
  std::string minimumText, maximumText;  // display depth units (or plain values)
  int heightScale = 1;
  double lakeAltitude = 0;  // metres; 0 at sea
  TDepthUnit unit = TDepthUnit::Metres;
  bool smooth = false;      // the smooth-colours button
  bool contoursOn = false;  // the contouring switch
  std::string contourIntervalText = "100";
};

struct TPaletteRangeResult {
  bool applied = false;
  int minH = 0, maxH = 0;          // as spread (depth) or negated for the legend (other kinds)
  int rendererContourInterval = 0;  // stored height units; 0 = off
  int tracerInterval = 100;         // the contour tracer's interval in display units
};

// Spreads the palette over the range (depth: from -maximum to -minimum in stored heights) and
// builds its strip; hardness and roughness keep their bands. Nothing is applied when the texts
// are not integers or the range is empty.
TPaletteRangeResult ApplyPaletteRange(TDepthPalette& palette, const TPaletteRangeInput& input);

// The contour interval of the renderer in stored height units (0 when off or not a number).
int RendererContourInterval(bool contoursOn, const std::string& intervalText, TDepthUnit unit, int heightScale);
// The tracer's interval: the list's integer, 100 when it is not one.
int TracerContourInterval(const std::string& intervalText);

// A step of 1, 10, 100 ... a tenth of the power of ten just below the span of a and b.
double NiceStep(double a, double b);

struct TAutoRangeInput {
  double lowest = 0, highest = 0;  // stored heights of the map (HeightRangeAround)
  double waterLevel = 0;           // metres: the lake altitude in lake mode, else 0
  bool lakeMode = false;
  bool inshore = false;
  int heightScale = 1;
  TDepthUnit unit = TDepthUnit::Metres;
};
struct TAutoRange {
  std::string minimumText, maximumText;
};
TAutoRange AutoPaletteRange(const TAutoRangeInput& input);

}  // namespace velmara

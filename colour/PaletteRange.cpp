#include "colour/PaletteRange.h"

#include <cmath>
#include <optional>

#include "app/base/NumberFormat.h"

namespace velmara {
namespace {

std::optional<long long> Integer(const std::string& text) { return ParseInteger(text); }

// Display depth units to metres, as the unit conversions do (single precision).
double UnitToMetres(double value, TDepthUnit unit) { return DisplayDepthToMetres(static_cast<float>(value), unit); }

}  // namespace

TRangeLists RangeListItems(TPaletteKind kind, bool inshore) {
  if (kind != TPaletteKind::pkDepth)
    return {{"1", "10", "100", "500", "1000", "2000", "3000", "4000", "5000", "6000", "7000", "8000", "9000", "10000"},
            {"100", "500", "1000", "2000", "3000", "4000", "5000", "6000", "7000", "8000", "9000", "10000"}};
  if (inshore)
    return {{"0", "1", "2", "5", "10", "20", "40", "50", "70", "100", "200", "300", "400", "500", "600", "700", "800",
             "900", "1000", "2000", "3000"},
            {"1", "2", "5", "10", "20", "40", "50", "70", "100", "200", "300", "400", "500", "600", "700", "800", "900",
             "1000", "2000", "3000"}};
  return {{"0", "5", "10", "50", "100", "200", "300", "400", "500", "600", "700", "800", "900", "1000", "2000", "3000"},
          {"1", "5", "10", "50", "100", "200", "300", "400", "500", "600", "700", "800", "900", "1000", "2000", "3000"}};
}

std::vector<std::string> ContourIntervalItems(bool inshore) {
  std::vector<std::string> items = {"10", "20", "25", "50", "100", "200", "250", "500", "1000"};
  if (inshore) items.insert(items.begin(), {"1", "2", "5"});
  return items;
}

bool RangeKeyAccepted(char32_t typed) { return (typed >= U'0' && typed <= U'9') || typed == U'\b'; }

const char* PaletteKindLabel(TPaletteKind kind) {
  switch (kind) {
    case TPaletteKind::pkHardness: return "HARD";
    case TPaletteKind::pkRoughness: return "ROUGH";
    case TPaletteKind::pkDepth: break;
  }
  return "DEPTH";
}

TRangeHints RangeHints(TPaletteKind kind) {
  switch (kind) {
    case TPaletteKind::pkHardness: return {"Minimum hardness color range", "Maximum hardness color range"};
    case TPaletteKind::pkRoughness: return {"Minimum roughness color range", "Maximum roughness color range"};
    case TPaletteKind::pkDepth: break;
  }
  return {"Minimum depth color range", "Maximum depth color range"};
}

bool RangeValid(const std::string& minimumText, const std::string& maximumText) {
  const auto minimum = Integer(minimumText), maximum = Integer(maximumText);
  return minimum && maximum && *minimum < *maximum;
}

int RendererContourInterval(bool contoursOn, const std::string& intervalText, TDepthUnit unit, int heightScale) {
  if (!contoursOn) return 0;
  const auto value = ParseFloat(intervalText);
  if (!value) return 0;
  return static_cast<int>(Round(UnitToMetres(*value, unit) * heightScale));
}

int TracerContourInterval(const std::string& intervalText) {
  const auto value = Integer(intervalText);
  return value ? static_cast<int>(*value) : 100;
}

TPaletteRangeResult ApplyPaletteRange(TDepthPalette& palette, const TPaletteRangeInput& in) {
  TPaletteRangeResult result;
  const auto minimum = Integer(in.minimumText), maximum = Integer(in.maximumText);
  if (!minimum || !maximum) return result;
  const bool depth = in.kind == TPaletteKind::pkDepth || in.forceDepth;
  long long minH = *minimum, maxH = *maximum;
  if (depth) {
    auto stored = [&](long long value) {
      return Round(UnitToMetres(double(Round((value - in.lakeAltitude) * in.heightScale)), in.unit));
    };
    minH = stored(*minimum);
    maxH = stored(*maximum);
  }
  if (minH >= maxH) return result;
  result.rendererContourInterval = RendererContourInterval(in.contoursOn, in.contourIntervalText, in.unit, in.heightScale);
  result.tracerInterval = TracerContourInterval(in.contourIntervalText);
  if (depth) {
    if (palette.Negate) {
      minH = -minH;
      maxH = -maxH;
    }
    palette.SpreadOverRange(static_cast<int32_t>(minH), static_cast<int32_t>(maxH));
    palette.Smooth = in.smooth;
    palette.BuildStrip();
  } else {
    minH = -minH;
    maxH = -maxH;
  }
  result.applied = true;
  result.minH = static_cast<int>(minH);
  result.maxH = static_cast<int>(maxH);
  return result;
}

double NiceStep(double a, double b) {
  const double span = std::fabs(a - b);
  if (span < 1) return 1;
  double step = 1000000;
  while (step > span) step /= 10;
  return step / 10;
}

TAutoRange AutoPaletteRange(const TAutoRangeInput& in) {
  const double level = in.waterLevel * in.heightScale;
  double lo = in.lowest, hi = in.highest;
  if (hi > level) hi = level;
  if (lo >= level) lo = level - 100;
  if (in.inshore) {
    if (hi - lo < 10) lo = hi - 10;
  } else if (hi == lo) {
    lo = hi - 1;
  }
  double shallow = MetresToDisplayDepth(static_cast<float>(-hi), in.unit);
  const double deep = MetresToDisplayDepth(static_cast<float>(-lo), in.unit);
  const double step = NiceStep(shallow, deep);
  const double q = shallow / step;
  if (q == std::trunc(q)) shallow = q * step;
  else if (q < 0) shallow = (std::trunc(q) - 1) * step;
  else shallow = std::trunc(q) * step;
  double deepEnd = shallow;
  for (int k = 1; deepEnd <= deep; ++k) deepEnd = shallow + k * step;
  const double lakeBase = in.lakeMode ? in.waterLevel * in.heightScale : 0;
  return {std::to_string(Round((lakeBase + shallow) / in.heightScale)),
          std::to_string(Round((lakeBase + deepEnd) / in.heightScale))};
}

}  // namespace velmara

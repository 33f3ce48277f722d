#pragma once
// The legend of the palette toolbar as a layout: the active palette's bands stacked shallowest on
// top, ticks and labels at the band edges, and where the minimum and maximum boxes go. A painter
// draws it; nothing here draws.

#include <string>
#include <vector>

#include "app/base/Geodesy.h"
#include "colour/DepthPalette.h"

namespace velmara {

struct TLegendRect {
  int left, top, right, bottom;  // inclusive, as filled
};

struct TLegendBand {
  TLegendRect rect;
  TRgb top, bottom;  // a vertical gradient (equal for block colours)
};

struct TLegendLabel {
  std::string text;
  int x, y;
};

struct TLegendInput {
  const TDepthPalette* palette = nullptr;
  TPaletteKind kind = TPaletteKind::pkDepth;
  int height = 0;       // of the paint box
  int fontHeight = 13;  // of the window's font
  int textHeight = 13;  // of a label as drawn
  int heightScale = 1;
  double lakeAltitude = 0;
  TDepthUnit unit = TDepthUnit::Metres;
  int screenScale = 100;  // per cent
  bool dark = false;
  int legendTop = 0, minBoxHeight = 21, maxBoxHeight = 21;
};

struct TLegendLayout {
  bool empty = true;
  int bandHeight = 0;
  int fontHeight = 0;
  TLegendRect frame{};
  std::vector<TLegendBand> bands;  // top to bottom
  std::vector<int> ticks;          // y of each tick, from x 22 to 24
  std::vector<TLegendLabel> labels;
  TRgb text, background, pen;
  int minBoxLeft = 28, minBoxTop = 0, maxBoxLeft = 28, maxBoxTop = 0;
};

TLegendLayout DepthLegendLayout(const TLegendInput& input);

}  // namespace velmara

#include "colour/DepthLegend.h"

#include <algorithm>

#include "app/base/NumberFormat.h"

namespace velmara {

TLegendLayout DepthLegendLayout(const TLegendInput& in) {
  TLegendLayout layout;
  if (!in.palette || in.palette->Count() == 0) return layout;
  const int n = in.palette->Count();
  const int h = (in.height - 2) / n;
  layout.empty = false;
  layout.bandHeight = h;
  layout.fontHeight = in.fontHeight > h - 1 ? h - 1 : in.fontHeight;
  layout.frame = {1, 0, 20, n * h + 1};
  layout.minBoxTop = in.legendTop - in.minBoxHeight / 2;
  layout.minBoxLeft = in.screenScale >= 100 ? 28 : 30;
  layout.maxBoxLeft = in.screenScale >= 100 ? 28 : 32;
  if (in.dark) {
    layout.text = {255, 255, 255};
    layout.background = {0x3F, 0x3F, 0x3F};
    layout.pen = {255, 255, 255};
  } else {
    layout.text = {0, 0, 0};
    layout.background = {0xF0, 0xF0, 0xF0};  // the standard button face
    layout.pen = {0, 0, 0};
  }
  const int step = n / 10 + 1;
  int y = 1;
  for (int i = n - 1; i >= 0; --i) {
    const TPaletteSegment& band = in.palette->Segments[i];
    const TRgb top = in.palette->Smooth ? band.End() : band.Start();
    layout.bands.push_back({{2, y, 19, y + h - 1}, top, band.Start()});
    const long long d = in.palette->Negate ? -static_cast<long long>(band.z0) : band.z0;
    layout.ticks.push_back(y + h - 1);
    if (i >= 1 && i % step == 0) {
      std::string text;
      if (in.kind == TPaletteKind::pkDepth) {
        const long long metres = Round((in.lakeAltitude * in.heightScale + d) / in.heightScale);
        text = std::to_string(Trunc(MetresToDisplayDepth(static_cast<float>(metres), in.unit)));
      } else {
        text = std::to_string(d);
      }
      layout.labels.push_back({text, 24, y + h - in.textHeight / 2});
    }
    y += h;
  }
  layout.maxBoxTop = in.legendTop + y - in.maxBoxHeight / 2;
  return layout;
}

}  // namespace velmara

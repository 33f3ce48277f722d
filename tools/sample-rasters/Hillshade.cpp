#include "tools/sample-rasters/Hillshade.h"

#include <QColor>
#include <QImage>
#include <algorithm>
#include <cmath>

namespace velmara::samples {
namespace {

// Depth tints from shallow to deep, land from green to brown.
QColor Tint(double metres, double deepest) {
  if (metres > 0) {
    const double t = std::clamp(metres / 200.0, 0.0, 1.0);
    return QColor::fromRgbF(0.35 + 0.35 * t, 0.55 - 0.15 * t, 0.25, 1.0);
  }
  const double t = std::clamp(std::sqrt(-metres / deepest), 0.0, 1.0);
  return QColor::fromRgbF(0.65 - 0.6 * t, 0.85 - 0.6 * t, 0.95 - 0.45 * t, 1.0);
}

}  // namespace

bool WriteHillshade(const std::vector<int16_t>& grid, int n, double unitsPerMetre, double cellMetres,
                    const std::string& pngPath) {
  QImage image(n, n, QImage::Format_RGB32);
  auto metres = [&](int x, int y) {
    x = std::clamp(x, 0, n - 1);
    y = std::clamp(y, 0, n - 1);
    return grid[std::size_t(x) * n + y] / unitsPerMetre;
  };
  double deepest = 1;
  for (int16_t v : grid) deepest = std::max(deepest, -v / unitsPerMetre);
  const double azimuth = 315 * M_PI / 180, altitude = 45 * M_PI / 180;
  for (int y = 0; y < n; ++y)
    for (int x = 0; x < n; ++x) {
      const double dzdx = (metres(x + 1, y) - metres(x - 1, y)) / (2 * cellMetres);
      const double dzdy = (metres(x, y + 1) - metres(x, y - 1)) / (2 * cellMetres);
      const double slope = std::atan(std::hypot(dzdx, dzdy));
      const double aspect = std::atan2(dzdy, -dzdx);
      const double shade = std::clamp(std::sin(altitude) * std::cos(slope) +
                                          std::cos(altitude) * std::sin(slope) * std::cos(azimuth - aspect),
                                      0.0, 1.0);
      const QColor tint = Tint(metres(x, y), deepest);
      const double light = 0.35 + 0.65 * shade;
      image.setPixel(x, n - 1 - y, qRgb(int(tint.red() * light), int(tint.green() * light), int(tint.blue() * light)));
    }
  return image.save(QString::fromStdString(pngPath));
}

}  // namespace velmara::samples

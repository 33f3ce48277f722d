#include "colour/PictureFiles.h"

#include <QImage>

namespace velmara {

std::optional<TRgbImage> LoadRgbImage(const std::string& path) {
  QImage image;
  if (!image.load(QString::fromStdString(path))) return std::nullopt;
  image = image.convertToFormat(QImage::Format_RGB888);
  TRgbImage picture(image.width(), image.height());
  for (int y = 0; y < image.height(); ++y) {
    const uchar* row = image.constScanLine(y);
    for (int x = 0; x < image.width(); ++x) picture.Set(x, y, {row[3 * x], row[3 * x + 1], row[3 * x + 2]});
  }
  return picture;
}

bool SaveRgbImage(const TRgbImage& picture, const std::string& path) {
  QImage image(picture.width, picture.height, QImage::Format_RGB888);
  for (int y = 0; y < picture.height; ++y) {
    uchar* row = image.scanLine(y);
    for (int x = 0; x < picture.width; ++x) {
      const TRgb c = picture.At(x, y);
      row[3 * x] = c.r;
      row[3 * x + 1] = c.g;
      row[3 * x + 2] = c.b;
    }
  }
  return image.save(QString::fromStdString(path));
}

TRgbImage StripPicture(const TDepthPalette& palette, int height) {
  TRgbImage picture(static_cast<int>(palette.Strip.size()), height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < picture.width; ++x) picture.Set(x, y, palette.Strip[x]);
  return picture;
}

}  // namespace velmara

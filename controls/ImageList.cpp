#include "controls/ImageList.h"

namespace velmara {

TImageList TImageList::FromStrip(const QPixmap& strip, QSize size) {
  TImageList list(size);
  if (size.isEmpty()) return list;
  for (int y = 0; y + size.height() <= strip.height(); y += size.height())
    for (int x = 0; x + size.width() <= strip.width(); x += size.width())
      list.pictures_.push_back(strip.copy(x, y, size.width(), size.height()));
  return list;
}

QPixmap TImageList::Picture(int index) const { return Contains(index) ? pictures_[static_cast<std::size_t>(index)] : QPixmap(); }

int TImageList::Add(const QPixmap& picture) {
  if (size_.isEmpty()) size_ = picture.size();
  pictures_.push_back(picture.size() == size_ ? picture
                                              : picture.scaled(size_, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
  return Count() - 1;
}

}  // namespace velmara

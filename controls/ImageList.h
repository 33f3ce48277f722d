#pragma once
// An image list: equally sized pictures addressed by index, usually cut from one strip picture
// (left to right, then row by row). Tool buttons show pictures of a list the form owns; the list
// must outlive the buttons that show it.

#include <QPixmap>
#include <QSize>
#include <vector>

namespace velmara {

class TImageList {
public:
  TImageList() = default;
  explicit TImageList(QSize size) : size_(size) {}
  // Cuts a strip into pictures of `size`; a remainder narrower or lower than `size` is dropped.
  static TImageList FromStrip(const QPixmap& strip, QSize size);

  QSize Size() const { return size_; }
  int Count() const { return static_cast<int>(pictures_.size()); }
  bool Contains(int index) const { return index >= 0 && index < Count(); }
  // A null picture outside the list.
  QPixmap Picture(int index) const;
  // Appends a picture, scaled to the list's size when it differs; returns its index.
  int Add(const QPixmap& picture);

private:
  QSize size_;
  std::vector<QPixmap> pictures_;
};

}  // namespace velmara

#pragma once
// A height-data source for terrain tests: heights from a function of the grid cell over a square
// window, "no data" where a predicate says so, interpolated on the same two triangles per cell
// as the program's source.

#include "scene/HeightDataSource.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace velmara::test {

class SyntheticHeights : public scene::THeightDataSource {
public:
  using HeightFunction = std::function<int(int x, int y)>;

  SyntheticHeights(int left, int bottom, int size, HeightFunction height)
      : left_(left), bottom_(bottom), size_(size), height_(std::move(height)) {}

  std::function<bool(int tileX, int tileY)> noDataAt;
  int requests = 0;

  int left() const { return left_; }
  int bottom() const { return bottom_; }
  int right() const { return left_ + size_ - 1; }
  int top() const { return bottom_ + size_ - 1; }
  int heightAt(int x, int y) const {
    return height_(std::clamp(x, left_, right()), std::clamp(y, bottom_, top()));
  }

  void StartPreparingData(scene::THeightTile& tile) override {
    ++requests;
    const bool outside = tile.XLeft < left_ || tile.XLeft + tile.Size - 1 > right() || tile.YTop < bottom_ ||
                         tile.YTop + tile.Size - 1 > top();
    if (outside || (noDataAt && noDataAt(tile.XLeft, tile.YTop))) {
      tile.DataType = scene::THeightTileData::None;
    } else {
      tile.DataType = scene::THeightTileData::SmallInt;
      tile.SmallIntData.resize(static_cast<std::size_t>(tile.Size) * tile.Size);
      for (int y = 0; y < tile.Size; ++y)
        for (int x = 0; x < tile.Size; ++x)
          tile.SmallIntData[static_cast<std::size_t>(y) * tile.Size + x] = static_cast<std::int16_t>(heightAt(tile.XLeft + x, tile.YTop + y));
    }
    tile.Ready = true;
  }

  float InterpolatedHeight(float x, float y) override {
    const float fx = std::clamp(x - static_cast<float>(left_), 0.0f, static_cast<float>(size_ - 2));
    const float fy = std::clamp(y - static_cast<float>(bottom_), 0.0f, static_cast<float>(size_ - 2));
    const int i = static_cast<int>(fx), j = static_cast<int>(fy);
    const float dx = fx - static_cast<float>(i), dy = fy - static_cast<float>(j);
    auto h = [&](int a, int b) { return static_cast<float>(heightAt(left_ + i + a, bottom_ + j + b)); };
    if (dx + dy > 1.0f) return h(1, 1) + (1.0f - dy) * (h(1, 0) - h(1, 1)) + (1.0f - dx) * (h(0, 1) - h(1, 1));
    return h(0, 0) + dy * (h(0, 1) - h(0, 0)) + dx * (h(1, 0) - h(0, 0));
  }

private:
  int left_;
  int bottom_;
  int size_;
  HeightFunction height_;
};

// Rolling ground with a cliff along x = 0: a strong change of variance between neighbours.
inline int cliffHeights(int x, int y) {
  const double rolling = 300.0 * std::sin(x * 0.05) * std::cos(y * 0.043) + 80.0 * std::sin(x * 0.31 + y * 0.17);
  return static_cast<int>(std::lround(rolling + (x >= 0 ? 1500.0 : -1500.0)));
}

}  // namespace velmara::test

#include "scene/terrain/TerrainTiles.h"

#include <algorithm>

namespace velmara::scene {

void TerrainTiles::useSource(const THeightDataSource* source, std::uint64_t generation, int tileSize) {
  if (source == source_ && generation == generation_ && tileSize == tileSize_) return;
  clear();
  source_ = source;
  generation_ = generation;
  tileSize_ = tileSize;
}

void TerrainTiles::clear() {
  entries_.clear();
  freeSlots_.clear();
  nextSlot_ = 0;
  bytes_ = 0;
  ++version_;
}

std::size_t TerrainTiles::tileBytes() const {
  const std::size_t side = static_cast<std::size_t>(tileSize_) + 1;
  return side * side * sizeof(std::int16_t);
}

std::size_t TerrainTiles::takeSlot() {
  if (freeSlots_.empty()) return nextSlot_++;
  // Lowest free slot first keeps the buffer compact.
  const auto lowest = std::min_element(freeSlots_.begin(), freeSlots_.end());
  const std::size_t slot = *lowest;
  freeSlots_.erase(lowest);
  return slot;
}

const TerrainTiles::Entry& TerrainTiles::fetch(THeightDataSource& source, int tx, int ty, std::uint64_t frame) {
  auto [found, inserted] = entries_.try_emplace(key(tx, ty));
  Entry& entry = found->second;
  entry.lastUsed = frame;
  if (!inserted) return entry;
  ++version_;
  const int side = tileSize_ + 1;
  request_.XLeft = tx * tileSize_;
  request_.YTop = ty * tileSize_;
  request_.Size = side;
  request_.DataType = THeightTileData::SmallInt;
  request_.Ready = false;
  source.StartPreparingData(request_);
  if (!request_.HasData()) return entry;
  std::vector<float> heights(static_cast<std::size_t>(side) * side);
  if (request_.DataType == THeightTileData::Float && request_.FloatData.size() == heights.size()) {
    heights.assign(request_.FloatData.begin(), request_.FloatData.end());
  } else if (request_.SmallIntData.size() == heights.size()) {
    std::copy(request_.SmallIntData.begin(), request_.SmallIntData.end(), heights.begin());
  } else {
    return entry;  // a malformed answer counts as no data
  }
  entry.patch = std::make_unique<TerrainPatch>(request_.XLeft, request_.YTop, tileSize_, std::move(heights));
  entry.slot = takeSlot();
  entry.id = nextId_++;
  bytes_ += tileBytes();
  return entry;
}

void TerrainTiles::trim(std::size_t maxBytes, std::uint64_t frame) {
  if (bytes_ <= maxBytes) return;
  for (auto it = entries_.begin(); it != entries_.end() && bytes_ > maxBytes;) {
    if (it->second.lastUsed == frame) {
      ++it;
      continue;
    }
    if (it->second.patch) {
      freeSlots_.push_back(it->second.slot);
      bytes_ -= tileBytes();
    }
    it = entries_.erase(it);
    ++version_;
  }
}

}  // namespace velmara::scene

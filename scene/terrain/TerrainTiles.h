#pragma once
// The patches a terrain renderer holds, by tile index: fetched from the height-data source on
// first use (a "no data" answer is remembered too), each with a slot number in the GPU vertex
// buffer and an identity that changes whenever the slot's content must. GL-free.

#include "scene/HeightDataSource.h"
#include "scene/terrain/TerrainPatch.h"

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

namespace velmara::scene {

class TerrainTiles {
public:
  struct Entry {
    std::unique_ptr<TerrainPatch> patch;  // null: the source has no data there
    std::size_t slot = 0;
    std::uint64_t id = 0;
    std::uint64_t lastUsed = 0;
  };

  // Forgets everything unless the tiles were fetched from this source, at this generation of
  // its data and with this tile size.
  void useSource(const THeightDataSource* source, std::uint64_t generation, int tileSize);
  void clear();

  // The patch of tile (tx, ty), covering cells tx·size … (tx + 1)·size and the same in y.
  const Entry& fetch(THeightDataSource& source, int tx, int ty, std::uint64_t frame);
  // Drops patches not used in `frame` while the held tiles take more than maxBytes.
  void trim(std::size_t maxBytes, std::uint64_t frame);

  // Changes whenever a patch enters or leaves.
  std::uint64_t version() const { return version_; }
  // One more than the highest slot in use.
  std::size_t slotsNeeded() const { return nextSlot_; }
  int tileSize() const { return tileSize_; }
  std::size_t heldBytes() const { return bytes_; }

private:
  static std::uint64_t key(int tx, int ty) {
    return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(tx)) << 32) | static_cast<std::uint32_t>(ty);
  }
  std::size_t takeSlot();
  std::size_t tileBytes() const;

  const THeightDataSource* source_ = nullptr;
  std::uint64_t generation_ = 0;
  int tileSize_ = 0;
  std::unordered_map<std::uint64_t, Entry> entries_;
  std::vector<std::size_t> freeSlots_;
  std::size_t nextSlot_ = 0;
  std::uint64_t version_ = 1;
  std::uint64_t nextId_ = 1;
  std::size_t bytes_ = 0;
  THeightTile request_;
};

}  // namespace velmara::scene

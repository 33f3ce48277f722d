#pragma once
// What the terrain renderer asks of a provider of heights: square tiles of samples, an interpolated
// height anywhere, and a way to tell the renderer that every tile it holds is stale. GL-free, so a
// provider is tested without a context. Tiles are asked for on the renderer's thread; MarkDirtyAll
// may be called from any thread.

#include <atomic>
#include <cstdint>
#include <vector>

namespace velmara::scene {

enum class THeightTileData { None, SmallInt, Float };

// A square of Size × Size samples whose lower-left (south-west) sample is grid cell (XLeft, YTop);
// rows go north. Height[y * Size + x] once prepared.
struct THeightTile {
  int XLeft = 0;
  int YTop = 0;
  int Size = 0;
  // What the renderer would like; the provider answers None for "no data here".
  THeightTileData DataType = THeightTileData::SmallInt;
  std::vector<int16_t> SmallIntData;
  std::vector<float> FloatData;
  bool Ready = false;

  bool HasData() const { return DataType != THeightTileData::None; }
};

class THeightDataSource {
public:
  virtual ~THeightDataSource() = default;

  // Fills the tile (or marks it as having no data) and marks it ready.
  virtual void StartPreparingData(THeightTile& tile) = 0;
  // Height at a fractional grid position, in stored height units.
  virtual float InterpolatedHeight(float x, float y) = 0;

  // Every tile handed out so far is stale; the renderer compares generations to know.
  void MarkDirtyAll() { dirtyGeneration_.fetch_add(1, std::memory_order_release); }
  uint64_t DirtyGeneration() const { return dirtyGeneration_.load(std::memory_order_acquire); }

  // Bytes of tiles the renderer may keep cached.
  int MaxPoolSize = 0x800000;

private:
  std::atomic<uint64_t> dirtyGeneration_{0};
};

}  // namespace velmara::scene

#pragma once
// Contour polylines traced over the whole height grid after each load, with a cell-walking tracer.
// Rows of the tracer follow the grid's first index (x), columns its second (y); tracer cell (r, c)
// corresponds to height sample (r - 1, c - 1).

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

namespace velmara {

struct TContourPoint {
  float Row;
  float Column;
  bool operator==(const TContourPoint&) const = default;
};

struct TContour {
  int Count = 0;
  int Level = 0;  // the traced level, rounded
  std::vector<TContourPoint> Points;
  bool operator==(const TContour&) const = default;
};

// Raised when a walk finds no way out of a cell; the lines found before stay.
struct TContourLoopError : std::runtime_error {
  TContourLoopError() : std::runtime_error("Contour routine caught in a loop") {}
};

// The traced lines of the height source. Generate runs on the loading thread; the main thread only
// sets Interval. Only one Generate at a time.
class TContourLines {
public:
  TContourLines();
  ~TContourLines();
  TContourLines(const TContourLines&) = delete;
  TContourLines& operator=(const TContourLines&) = delete;

  int GridSize = 0;
  std::vector<TContour> Lines;
  // Contour interval in whole display depth units; 0 (or less) means 100.
  std::atomic<int> Interval{100};
  // 2 once a trace has finished; 0 before and while tracing.
  std::atomic<uint8_t> State{0};

  void Clear();

  // Traces heights[r * gridSize + c] at startLevel, startLevel + step, ... while the level is at
  // most endLevel and not above 0 (at least once). useInterval false traces every 10 height units
  // × heightScale from -10 × heightScale. `cancelled` is asked between levels.
  // Throws TContourLoopError.
  void Generate(const int16_t* heights, int gridSize, int startLevel, int endLevel, int heightScale,
                bool useInterval, const std::function<bool()>& cancelled = {});

private:
  // Working storage, kept from one trace to the next (fresh pages cost more than the trace).
  struct Workspace;
  std::unique_ptr<Workspace> workspace_;
};

}  // namespace velmara

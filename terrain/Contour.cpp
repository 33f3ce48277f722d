#include "terrain/Contour.h"

#include <algorithm>
#include <cmath>

namespace velmara {
namespace {

// Walks one level of one grid. Crossing tests work on the integer heights (a sample is "above"
// when it is at or over the level, as a sample exactly on the level counts as 1e-8 above it);
// positions on edges use the same single-precision differences as the grid of differences would.
struct TracerStorage {
  std::vector<int16_t> cellMin, cellMax, rowMin, rowMax, pairMin, pairMax;
  std::vector<uint8_t> marks;
  std::vector<TContourPoint> buffers[2];
};

class LevelTracer {
public:
  LevelTracer(const int16_t* heights, int n, double level, TracerStorage& storage)
      : heights_(heights), n_(n), level_(level), cellMin_(storage.cellMin), cellMax_(storage.cellMax),
        rowMin_(storage.rowMin), rowMax_(storage.rowMax), marks_(storage.marks), buffers_(storage.buffers),
        // A grid too small for 256 cells a point still needs room for a walk's first points.
        maxPoints_(std::max(n * n / 256, 2)) {
    std::fill(marks_.begin(), marks_.end(), 0);
    for (int k = 0; k < 2; ++k) buffers_[k].resize(maxPoints_);
  }

  bool NextContour(TContour& line) {
    for (int r = resumeRow_; r <= n_ - 1; ++r) {
      const int firstColumn = r == resumeRow_ ? resumeColumn_ : 1;
      if (!Spans(rowMin_[r], rowMax_[r])) continue;
      for (int c = firstColumn; c <= n_ - 1; ++c) {
        const std::size_t cell = CellIndex(r, c);
        if (!Spans(cellMin_[cell], cellMax_[cell]) || marks_[cell] != 0) continue;
        int edges[4] = {};
        if (Crossings(r, c, edges) != 2) continue;
        const Walk first = Follow(r, c, edges[1], buffers_[0]);
        if (first.hitBorder) {
          const Walk second = Follow(r, c, edges[0], buffers_[1]);
          line.Points.assign(buffers_[1].rbegin() + (maxPoints_ - second.count), buffers_[1].rend());
          line.Points.insert(line.Points.end(), buffers_[0].begin(), buffers_[0].begin() + first.count);
        } else {
          line.Points.assign(buffers_[0].begin(), buffers_[0].begin() + first.count);
        }
        line.Count = static_cast<int>(line.Points.size());
        resumeRow_ = r;
        resumeColumn_ = c;
        return true;
      }
    }
    return false;
  }

private:
  struct Walk {
    int count;
    bool hitBorder;
  };

  bool Spans(int16_t low, int16_t high) const { return low < level_ && high >= level_; }
  std::size_t CellIndex(int r, int c) const { return std::size_t(r) * (n_ + 1) + c; }
  bool Inside(int r, int c) const { return r >= 1 && r <= n_ - 1 && c >= 1 && c <= n_ - 1; }

  // The tracer's grid value at (i, j), 1 <= i, j <= n.
  float G(int i, int j) const {
    const float g = static_cast<float>(heights_[std::size_t(i - 1) * n_ + (j - 1)] - level_);
    return g == 0.0f ? 1e-8f : g;
  }
  bool Above(int i, int j) const { return heights_[std::size_t(i - 1) * n_ + (j - 1)] >= level_; }

  // Crossing edges in the order 1, 2, 3, 4.
  int Crossings(int r, int c, int* edges) const {
    const bool a = Above(r, c), b = Above(r, c + 1), d = Above(r + 1, c + 1), e = Above(r + 1, c);
    int count = 0;
    if (b != d) edges[count++] = 1;
    if (d != e) edges[count++] = 2;
    if (e != a) edges[count++] = 3;
    if (a != b) edges[count++] = 4;
    return count;
  }

  TContourPoint EdgePoint(int r, int c, int e) const {
    switch (e) {
      case 1: {
        const float g0 = G(r, c + 1), g1 = G(r + 1, c + 1);
        return {static_cast<float>(r) + std::fabs(g0 / (g1 - g0)), static_cast<float>(c + 1)};
      }
      case 2: {
        const float g0 = G(r + 1, c), g1 = G(r + 1, c + 1);
        return {static_cast<float>(r + 1), static_cast<float>(c) + std::fabs(g0 / (g1 - g0))};
      }
      case 3: {
        const float g0 = G(r, c), g1 = G(r + 1, c);
        return {static_cast<float>(r) + std::fabs(g0 / (g1 - g0)), static_cast<float>(c)};
      }
      default: {
        const float g0 = G(r, c), g1 = G(r, c + 1);
        return {static_cast<float>(r), static_cast<float>(c) + std::fabs(g0 / (g1 - g0))};
      }
    }
  }

  static void Step(int& r, int& c, int e) {
    switch (e) {
      case 1: ++c; break;
      case 2: ++r; break;
      case 3: --c; break;
      default: --r; break;
    }
  }
  static int EntryOf(int exit) { return ((exit + 1) % 4) + 1; }

  bool CanEnter(int r, int c, int e) const {
    Step(r, c, e);
    if (!Inside(r, c)) return true;
    const uint8_t mark = marks_[CellIndex(r, c)];
    return mark == 0 || (mark & (1u << EntryOf(e))) == 0;
  }

  Walk Follow(int r0, int c0, int e0, std::vector<TContourPoint>& points) {
    marks_[CellIndex(r0, c0)] = 1;
    points[0] = EdgePoint(r0, c0, e0);
    int count = 1;
    int r = r0, c = c0, e = e0;
    for (;;) {
      Step(r, c, e);
      if (!Inside(r, c)) return {count, true};
      uint8_t& mark = marks_[CellIndex(r, c)];
      mark = 1;
      const int entry = EntryOf(e);
      int edges[4] = {};
      const int crossings = Crossings(r, c, edges);
      int exit = 0;
      if (crossings == 2) {
        exit = edges[0] == entry ? edges[1] : edges[0];
      } else {
        for (int k = 1, candidate = entry; k <= 3; ++k) {
          candidate = (candidate % 4) + 1;
          if (std::find(edges, edges + crossings, candidate) != edges + crossings && CanEnter(r, c, candidate)) {
            exit = candidate;
            break;
          }
        }
        if (exit) mark |= static_cast<uint8_t>((1u << entry) | (1u << exit));
      }
      if (!exit) throw TContourLoopError();
      points[count++] = EdgePoint(r, c, exit);
      e = exit;
      if (count == maxPoints_ || (r == r0 && c == c0)) return {count, false};
    }
  }

  const int16_t* heights_;
  int n_;
  double level_;
  const std::vector<int16_t>& cellMin_;
  const std::vector<int16_t>& cellMax_;
  const std::vector<int16_t>& rowMin_;
  const std::vector<int16_t>& rowMax_;
  std::vector<uint8_t>& marks_;
  std::vector<TContourPoint>* buffers_;
  int maxPoints_;
  int resumeRow_ = 1;
  int resumeColumn_ = 1;
};

}  // namespace

struct TContourLines::Workspace : TracerStorage {};

TContourLines::TContourLines() : workspace_(std::make_unique<Workspace>()) {}
TContourLines::~TContourLines() = default;

void TContourLines::Clear() {
  Lines.clear();
  State = 0;
}

void TContourLines::Generate(const int16_t* heights, int gridSize, int startLevel, int endLevel, int heightScale,
                             bool useInterval, const std::function<bool()>& cancelled) {
  double level = startLevel;
  double step = 0;
  if (!useInterval) {
    level = -10.0 * heightScale;
    step = 10.0 * heightScale;
  } else {
    const int interval = Interval.load();
    // A non-positive interval would never reach the stop level.
    step = (interval > 0 ? interval : 100) * double(heightScale);
  }
  if (step <= 0) step = 100;
  GridSize = gridSize;
  Clear();

  // The lowest and highest corner of every cell and row of cells, once for all levels, a row of
  // cells at a time from the two rows of samples on either side of it.
  const int n = gridSize;
  TracerStorage& w = *workspace_;
  w.cellMin.assign(std::size_t(n + 1) * (n + 1), 32767);
  w.cellMax.assign(w.cellMin.size(), -32768);
  w.rowMin.assign(n + 1, 32767);
  w.rowMax.assign(n + 1, -32768);
  w.pairMin.resize(n);
  w.pairMax.resize(n);
  w.marks.resize(w.cellMin.size());
  std::vector<int16_t>&pairMin = w.pairMin, &pairMax = w.pairMax;
  for (int r = 1; r <= n - 1; ++r) {
    const int16_t* top = heights + std::size_t(r - 1) * n;
    const int16_t* bottom = top + n;
    for (int c = 0; c < n; ++c) {
      pairMin[c] = std::min(top[c], bottom[c]);
      pairMax[c] = std::max(top[c], bottom[c]);
    }
    int16_t* low = w.cellMin.data() + std::size_t(r) * (n + 1);
    int16_t* high = w.cellMax.data() + std::size_t(r) * (n + 1);
    int16_t rowLow = 32767, rowHigh = -32768;
    for (int c = 1; c <= n - 1; ++c) {
      low[c] = std::min(pairMin[c - 1], pairMin[c]);
      high[c] = std::max(pairMax[c - 1], pairMax[c]);
      rowLow = std::min(rowLow, low[c]);
      rowHigh = std::max(rowHigh, high[c]);
    }
    w.rowMin[r] = rowLow;
    w.rowMax[r] = rowHigh;
  }

  do {
    LevelTracer tracer(heights, n, level, w);
    TContour line;
    while (tracer.NextContour(line)) {
      line.Level = static_cast<int>(std::nearbyint(level));
      Lines.push_back(std::move(line));
      line = TContour();
    }
    level += step;
  } while (!(level > endLevel || level > 0 || (cancelled && cancelled())));
  State = 2;
}

}  // namespace velmara

#include "tests/terrain/ContourReference.h"

#include <algorithm>
#include <cmath>

namespace velmara::test {
namespace {

struct Tracer {
  int rows, cols, maxPoints;
  std::vector<float> grid;
  std::vector<uint8_t> marks;
  std::vector<float> rowBuf[2], colBuf[2];
  int resumeRow = 1, resumeCol = 1;

  float& g(int r, int c) { return grid[std::size_t(r) * (cols + 1) + c]; }
  uint8_t& mark(int r, int c) { return marks[std::size_t(r) * (cols + 1) + c]; }

  void Prepare(const int16_t* heights, double level) {
    maxPoints = std::max((rows * cols) / 256, 2);
    grid.assign(std::size_t(rows + 1) * (cols + 1), 0.0f);
    marks.assign(grid.size(), 0);
    for (int k = 0; k < 2; ++k) {
      rowBuf[k].assign(maxPoints, 0);
      colBuf[k].assign(maxPoints, 0);
    }
    for (int i = 1; i <= rows; ++i)
      for (int j = 1; j <= cols; ++j) {
        g(i, j) = static_cast<float>(heights[std::size_t(i - 1) * cols + (j - 1)] - level);
        if (g(i, j) == 0) g(i, j) = 1e-8f;
      }
    resumeRow = resumeCol = 1;
  }

  std::vector<int> CellCrossings(int r, int c) {
    std::vector<int> list;
    if (g(r, c + 1) * g(r + 1, c + 1) < 0) list.push_back(1);
    if (g(r + 1, c + 1) * g(r + 1, c) < 0) list.push_back(2);
    if (g(r + 1, c) * g(r, c) < 0) list.push_back(3);
    if (g(r, c) * g(r, c + 1) < 0) list.push_back(4);
    return list;
  }

  void EdgePoint(int r, int c, int e, float& row, float& col) {
    switch (e) {
      case 1: row = r + std::fabs(g(r, c + 1) / (g(r + 1, c + 1) - g(r, c + 1))); col = static_cast<float>(c + 1); break;
      case 2: row = static_cast<float>(r + 1); col = c + std::fabs(g(r + 1, c) / (g(r + 1, c + 1) - g(r + 1, c))); break;
      case 3: row = r + std::fabs(g(r, c) / (g(r + 1, c) - g(r, c))); col = static_cast<float>(c); break;
      case 4: row = static_cast<float>(r); col = c + std::fabs(g(r, c) / (g(r, c + 1) - g(r, c))); break;
    }
  }

  static void Neighbour(int r, int c, int e, int& nr, int& nc) {
    nr = r;
    nc = c;
    if (e == 1) nc = c + 1;
    if (e == 2) nr = r + 1;
    if (e == 3) nc = c - 1;
    if (e == 4) nr = r - 1;
  }
  bool Outside(int r, int c) const { return r < 1 || r > rows - 1 || c < 1 || c > cols - 1; }

  bool CanEnter(int r, int c, int e) {
    int nr, nc;
    Neighbour(r, c, e, nr, nc);
    if (Outside(nr, nc)) return true;
    const int entered = ((e + 1) % 4) + 1;
    return mark(nr, nc) == 0 || (mark(nr, nc) & (1 << entered)) == 0;
  }

  int FollowContour(int r0, int c0, int e0, int buffer, bool& hitBorder) {
    int count = 0;
    hitBorder = false;
    mark(r0, c0) = 1;
    EdgePoint(r0, c0, e0, rowBuf[buffer][0], colBuf[buffer][0]);
    count = 1;
    int r = r0, c = c0, e = e0;
    for (;;) {
      int nr, nc;
      Neighbour(r, c, e, nr, nc);
      r = nr;
      c = nc;
      if (Outside(r, c)) {
        hitBorder = true;
        return count;
      }
      mark(r, c) = 1;
      const int entry = ((e + 1) % 4) + 1;
      const std::vector<int> list = CellCrossings(r, c);
      int exit = 0;
      if (list.size() == 2) {
        exit = list[0] == entry ? list[1] : list[0];
      } else {
        int candidate = entry;
        for (int k = 0; k < 3; ++k) {
          candidate = (candidate % 4) + 1;
          if (std::find(list.begin(), list.end(), candidate) != list.end() && CanEnter(r, c, candidate)) {
            exit = candidate;
            break;
          }
        }
        if (exit) mark(r, c) = static_cast<uint8_t>(mark(r, c) | (1 << entry) | (1 << exit));
      }
      if (!exit) throw TContourLoopError();
      EdgePoint(r, c, exit, rowBuf[buffer][count], colBuf[buffer][count]);
      count = count + 1;
      e = exit;
      if (count == maxPoints || (r == r0 && c == c0)) return count;
    }
  }

  bool NextContour(TContour& line) {
    for (int r = resumeRow; r <= rows - 1; ++r) {
      for (int c = (r == resumeRow ? resumeCol : 1); c <= cols - 1; ++c) {
        if (mark(r, c) != 0) continue;
        const std::vector<int> list = CellCrossings(r, c);
        if (list.size() != 2) continue;
        bool border = false;
        const int count1 = FollowContour(r, c, list[1], 0, border);
        line.Points.clear();
        if (border) {
          bool border2 = false;
          const int count2 = FollowContour(r, c, list[0], 1, border2);
          for (int k = count2 - 1; k >= 0; --k) line.Points.push_back({rowBuf[1][k], colBuf[1][k]});
        }
        for (int k = 0; k < count1; ++k) line.Points.push_back({rowBuf[0][k], colBuf[0][k]});
        line.Count = static_cast<int>(line.Points.size());
        resumeRow = r;
        resumeCol = c;
        return true;
      }
    }
    return false;
  }
};

}  // namespace

std::vector<TContour> ReferenceContours(const int16_t* heights, int gridSize, int startLevel, int endLevel,
                                        int heightScale, bool useInterval, int interval) {
  double level = startLevel, step;
  if (!useInterval) {
    level = -10.0 * heightScale;
    step = 10.0 * heightScale;
  } else {
    step = (interval > 0 ? interval : 100) * double(heightScale);
  }
  std::vector<TContour> lines;
  Tracer tracer{gridSize, gridSize, 0, {}, {}, {}, {}};
  do {
    tracer.Prepare(heights, level);
    TContour line;
    while (tracer.NextContour(line)) {
      line.Level = static_cast<int>(std::nearbyint(level));
      lines.push_back(line);
      line = TContour();
    }
    level += step;
  } while (!(level > endLevel || level > 0));
  return lines;
}

}  // namespace velmara::test

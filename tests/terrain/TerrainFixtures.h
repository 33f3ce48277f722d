#pragma once
// Small, seeded height grids for the terrain tests, and rasters written from them.

#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "terrain/RasterFile.h"

namespace velmara::test {

// A rolling bed of n × n heights (grid[x * n + y]) between about low and high, with hills and
// hollows from a few seeded waves.
inline std::vector<int16_t> RollingBed(int n, uint32_t seed, double low, double high) {
  std::mt19937 random(seed);
  std::uniform_real_distribution<double> phase(0, 6.283185307179586), frequency(1.0, 6.0);
  struct Wave {
    double fx, fy, p;
  };
  std::vector<Wave> waves;
  for (int k = 0; k < 5; ++k) waves.push_back({frequency(random), frequency(random), phase(random)});
  std::vector<int16_t> grid(std::size_t(n) * n);
  for (int x = 0; x < n; ++x)
    for (int y = 0; y < n; ++y) {
      double v = 0;
      for (const Wave& w : waves) v += std::sin(w.fx * x / n * 6.283185307179586 + w.p) * std::cos(w.fy * y / n * 6.283185307179586);
      grid[std::size_t(x) * n + y] = static_cast<int16_t>(std::lround(low + (high - low) * (v / 10.0 + 0.5)));
    }
  return grid;
}

// A raster file in the temporary folder, removed with the object.
class TempRaster {
public:
  explicit TempRaster(const std::vector<int16_t>& grid, const std::string& name = "raster")
      : path_(std::filesystem::temp_directory_path() /
              ("velmara-" + name + "-" + std::to_string(::getpid()) + "-" + std::to_string(Counter()++) + ".dat")) {
    WriteRaster(grid.data(), path_.string());
  }
  explicit TempRaster(const std::string& bytes) : path_(std::filesystem::temp_directory_path() /
              ("velmara-bytes-" + std::to_string(::getpid()) + "-" + std::to_string(Counter()++) + ".dat")) {
    FILE* file = std::fopen(path_.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
  }
  ~TempRaster() { std::filesystem::remove(path_); }
  TempRaster(const TempRaster&) = delete;
  TempRaster& operator=(const TempRaster&) = delete;
  std::string path() const { return path_.string(); }

private:
  static int& Counter() {
    static int counter = 0;
    return counter;
  }
  std::filesystem::path path_;
};

}  // namespace velmara::test

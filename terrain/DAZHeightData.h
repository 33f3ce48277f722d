#pragma once
// The program's height-data source: a square window of GridSize × GridSize 16-bit heights around
// the vessel on the Mercator plane, refilled by a loading thread when the point of interest moves
// far from the window's centre. It serves the terrain renderer's tiles, answers height queries,
// converts between positions and grid cells and builds the normal map for shading.
//
// Threads: the main thread configures the source and calls everything here; one THeightLoadThread
// at a time fills a second grid and publishes it with its extremes, bounds and normal map as one
// update under the exclusive lock. Readers take the shared lock. The events run on the loading
// thread and should only set flags.

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <shared_mutex>
#include <string>
#include <thread>
#include <vector>

#include "scene/HeightDataSource.h"
#include "terrain/Contour.h"

namespace velmara {

class TPGSBitmapHDS;

// One load of the source, on a thread of its own, a step above normal priority where allowed.
class THeightLoadThread {
public:
  THeightLoadThread(TPGSBitmapHDS& source, float x, float y);
  ~THeightLoadThread();  // joins
  THeightLoadThread(const THeightLoadThread&) = delete;
  THeightLoadThread& operator=(const THeightLoadThread&) = delete;

  TPGSBitmapHDS& Source() const { return source_; }
  float CentreX() const { return x_; }
  float CentreY() const { return y_; }
  bool Finished() const { return finished_.load(std::memory_order_acquire); }
  void Join();

private:
  TPGSBitmapHDS& source_;
  float x_, y_;
  std::atomic<bool> finished_{false};
  std::thread thread_;
};

struct TWindowBounds {
  int Left = 0, Right = 0, Top = 0, Bottom = 0;
};

struct TWindowCorners {
  double TopLeftLat = 0, TopLeftLon = 0, BottomRightLat = 0, BottomRightLon = 0;
  int32_t TopLeftLatMicro = 0, TopLeftLonMicro = 0, BottomRightLatMicro = 0, BottomRightLonMicro = 0;
};

struct TGridPoint {
  double x = 0, y = 0;
};
struct TGridCell {
  int x = 0, y = 0;
};
struct TLatLon {
  double lat = 0, lon = 0;
};
struct THeightRange {
  float Min = 0, Max = 0;
};

class TPGSBitmapHDS : public scene::THeightDataSource {
public:
  // The sphere of the chart's Mercator plane (one nautical mile is one minute of arc).
  static constexpr double EarthRadius = 6366197.724;

  // Sets the key frame of the sounding keys to the Mercator plane in metres.
  explicit TPGSBitmapHDS(int gridSize = 1024);
  ~TPGSBitmapHDS() override;  // waits for a running load
  TPGSBitmapHDS(const TPGSBitmapHDS&) = delete;
  TPGSBitmapHDS& operator=(const TPGSBitmapHDS&) = delete;

  // Configuration, main thread, between loads.
  int CellSize = 40;
  int HeightScale = 1;
  std::string RasterFile;
  // Class name of the progress window's message port; empty for none.
  std::string ProgressWindow;
  // The contour option flag handed to the tracer (false: every 10 height units × HeightScale).
  bool ContourDisplay = true;
  std::string GlobalReliefFile2, GlobalReliefFile1;  // kept for producers of coarse relief

  std::function<void(THeightLoadThread&)> OnHeightChanged;
  std::function<void(THeightLoadThread&)> OnContoursReady;
  // How the main thread waits: handle pending window messages once. Default: sleep a millisecond.
  std::function<void()> PumpMessages;
  // Hourglass on (true) and off around waits for a load.
  std::function<void(bool)> SetBusyCursor;
  // Failures inside a load (unreadable raster, tracer loops, normal map errors), for the error log.
  std::function<void(const std::string&)> OnError;
  // FollowPosition's pause after it starts a load; injectable so tests need not wait.
  std::function<void(int milliseconds)> Sleep;

  int GridSize() const { return n_; }
  int NormalScale() const { return normalScale_; }
  void SetNormalScale(int value) { normalScale_ = value; }
  void RebuildNormals();

  // Origin and conversions.
  void SetOrigin(double lon, double lat);
  int OriginX() const { return originX_; }
  int OriginY() const { return originY_; }
  bool WrapLongitude() const { return wrapLongitude_; }
  TGridPoint LatLonToGrid(double lon, double lat) const;
  TGridCell LatLonToCell(double lon, double lat) const;
  TLatLon GridToLatLon(double x, double y) const;
  TLatLon CellToLatLon(int x, int y) const;
  TGridPoint MetresToGrid(double mx, double my) const;
  TGridPoint GridToMetres(double x, double y) const;

  // Loading.
  void StartLoad(double x, double y);
  void FollowPosition(double x, double y);
  void Reload();
  // 0 while a load runs, 2 when the grid is ready.
  uint8_t State() const { return state_.load(std::memory_order_acquire); }
  bool ContoursReady() const { return contoursReady_.load(std::memory_order_acquire); }
  // Pumps messages until the state is 2.
  void WaitUntilReady();

  // Queries.
  void StartPreparingData(scene::THeightTile& tile) override;
  float InterpolatedHeight(float x, float y) override;
  THeightRange HeightRangeAround();

  TWindowBounds Bounds() const;
  TWindowCorners Corners() const;
  int16_t MinHeight() const;
  int16_t MaxHeight() const;
  int LoadCentreX() const { return loadCentreX_.load(); }
  int LoadCentreY() const { return loadCentreY_.load(); }
  int PositionX() const { return positionX_; }
  int PositionY() const { return positionY_; }

  // Reads the grid (grid[x * GridSize + y]) or the normal map (RGBA, row by row from the south)
  // under the shared lock.
  template <typename Reader>
  void ReadGrid(Reader reader) const {
    std::shared_lock lock(mutex_);
    reader(front_.grid.data());
  }
  template <typename Reader>
  void ReadNormalMap(Reader reader) const {
    std::shared_lock lock(mutex_);
    reader(front_.normals.data());
  }

  // Traced after each load; the main thread may set Contours().Interval.
  TContourLines& Contours() { return contours_; }

private:
  friend class THeightLoadThread;
  struct Published {
    std::vector<int16_t> grid;
    std::vector<uint32_t> normals;
    int16_t minHeight = 32767, maxHeight = -32767;
    TWindowBounds bounds;
    TWindowCorners corners;
  };

  void RunLoad(THeightLoadThread& thread);  // on the loading thread
  void LoadWindow(int x, int y);
  void Report(const std::string& message) const;
  void SendProgress(int64_t wParam, int64_t lParam) const;
  void Pump() const;
  void WaitForLoadThread();
  double WrapLon(double lon) const { return wrapLongitude_ && lon < 0 ? lon + 360.0 : lon; }

  const int n_;
  int normalScale_ = 64;
  int originX_ = 0, originY_ = 0;
  bool wrapLongitude_ = false;

  mutable std::shared_mutex mutex_;
  Published front_;  // guarded by mutex_
  Published back_;   // the loading thread's

  std::atomic<uint8_t> state_{0};
  std::atomic<bool> contoursReady_{false};
  std::atomic<int> loadCentreX_{0}, loadCentreY_{0};
  int positionX_ = 0, positionY_ = 0;
  TContourLines contours_;
  std::unique_ptr<THeightLoadThread> loadThread_;
};

}  // namespace velmara

#include "terrain/DAZHeightData.h"

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <mutex>

#include "app/base/Geodesy.h"
#include "app/base/NumberFormat.h"
#include "curvix/curvix.h"
#include "platform/MessagePort.h"
#include "terrain/NormalMap.h"
#include "terrain/RasterFile.h"

namespace velmara {
namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double DegToRad = Pi / 180.0;
constexpr uint32_t ProgressMessage = 1024 + 100;  // WM_USER + 100

// A step above normal priority; needs the right to raise priority, else the thread runs normal.
void RaiseThreadPriority() {
  const auto tid = static_cast<id_t>(::gettid());
  errno = 0;
  const int nice = ::getpriority(PRIO_PROCESS, tid);
  if (errno == 0) ::setpriority(PRIO_PROCESS, tid, nice - 1);
}

}  // namespace

// THeightLoadThread

THeightLoadThread::THeightLoadThread(TPGSBitmapHDS& source, float x, float y) : source_(source), x_(x), y_(y) {
  thread_ = std::thread([this] {
    RaiseThreadPriority();
    source_.RunLoad(*this);
    finished_.store(true, std::memory_order_release);
  });
}

THeightLoadThread::~THeightLoadThread() { Join(); }

void THeightLoadThread::Join() {
  if (thread_.joinable()) thread_.join();
}

// TPGSBitmapHDS

TPGSBitmapHDS::TPGSBitmapHDS(int gridSize) : n_(gridSize) {
  MaxPoolSize = 0x800000;
  const std::size_t cells = std::size_t(n_) * n_;
  for (Published* p : {&front_, &back_}) {
    p->grid.assign(cells, 0);
    p->normals.assign(cells, PackRgba(128, 128, 255, 255));
  }
  peano_range(0, 40000000, -10000000, 10000000);
}

TPGSBitmapHDS::~TPGSBitmapHDS() { WaitForLoadThread(); }

void TPGSBitmapHDS::Report(const std::string& message) const {
  if (OnError) OnError(message);
  else std::fprintf(stderr, "%s\n", message.c_str());
}

void TPGSBitmapHDS::SendProgress(int64_t wParam, int64_t lParam) const {
  if (!ProgressWindow.empty()) platform::SendMessage(ProgressWindow, {ProgressMessage, wParam, lParam});
}

void TPGSBitmapHDS::Pump() const {
  if (PumpMessages) PumpMessages();
  else std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

void TPGSBitmapHDS::WaitUntilReady() {
  while (State() != 2) Pump();
}

void TPGSBitmapHDS::WaitForLoadThread() {
  if (!loadThread_) return;
  // The loading thread sends progress messages to the main thread's windows: keep handling them.
  while (!loadThread_->Finished()) Pump();
  loadThread_.reset();
}

// Origin and conversions

void TPGSBitmapHDS::SetOrigin(double lon, double lat) {
  wrapLongitude_ = lon > 90 || lon < -120;
  Projection().Longitudes0To360 = wrapLongitude_;
  lon = WrapLon(lon);
  originX_ = static_cast<int>(Round(EarthRadius * (lon - 0.0) * DegToRad / CellSize));
  originY_ = static_cast<int>(Round(EarthRadius * std::log(std::tan((45.0 + lat / 2.0) * DegToRad)) / CellSize));
}

TGridPoint TPGSBitmapHDS::LatLonToGrid(double lon, double lat) const {
  lon = WrapLon(lon);
  return {EarthRadius * lon * DegToRad / CellSize - originX_,
          EarthRadius * std::log(std::tan((45.0 + lat / 2.0) * DegToRad)) / CellSize - originY_};
}

TGridCell TPGSBitmapHDS::LatLonToCell(double lon, double lat) const {
  lon = WrapLon(lon);
  return {static_cast<int>(Round(EarthRadius * lon * DegToRad / CellSize) - originX_),
          static_cast<int>(Round(EarthRadius * std::log(std::tan((45.0 + lat / 2.0) * DegToRad)) / CellSize) -
                           originY_)};
}

TLatLon TPGSBitmapHDS::GridToLatLon(double x, double y) const {
  const double mx = (originX_ + x) * CellSize;
  const double my = (originY_ + y) * CellSize;
  double lon = mx / EarthRadius / DegToRad + 0.0;
  if (lon > 180) lon -= 360;
  return {90.0 - 2.0 * std::atan(std::exp(-my / EarthRadius)) / DegToRad, lon};
}

TLatLon TPGSBitmapHDS::CellToLatLon(int x, int y) const { return GridToLatLon(x, y); }

TGridPoint TPGSBitmapHDS::MetresToGrid(double mx, double my) const {
  return {mx / CellSize - originX_, my / CellSize - originY_};
}

TGridPoint TPGSBitmapHDS::GridToMetres(double x, double y) const {
  return {(x + originX_) * CellSize, (y + originY_) * CellSize};
}

// Loading

void TPGSBitmapHDS::StartLoad(double x, double y) {
  state_.store(0, std::memory_order_release);
  WaitForLoadThread();
  // The thread just waited for marked its own load ready at its end: not ready again until ours is.
  state_.store(0, std::memory_order_release);
  positionX_ = static_cast<int>(Trunc(x));
  positionY_ = static_cast<int>(Trunc(y));
  loadThread_ = std::make_unique<THeightLoadThread>(*this, static_cast<float>(positionX_),
                                                    static_cast<float>(positionY_));
}

void TPGSBitmapHDS::FollowPosition(double x, double y) {
  const int third = n_ / 3;
  if ((std::fabs(x - LoadCentreX()) > third || std::fabs(y - LoadCentreY()) > third) && State() == 2) {
    StartLoad(x, y);
    if (Sleep) Sleep(300);
    else std::this_thread::sleep_for(std::chrono::milliseconds(300));
  }
  positionX_ = static_cast<int>(Trunc(x));
  positionY_ = static_cast<int>(Trunc(y));
}

void TPGSBitmapHDS::Reload() {
  WaitUntilReady();
  StartLoad(LoadCentreX(), LoadCentreY());
  if (SetBusyCursor) SetBusyCursor(true);
  WaitUntilReady();
  if (SetBusyCursor) SetBusyCursor(false);
}

void TPGSBitmapHDS::RunLoad(THeightLoadThread& thread) {
  contoursReady_.store(false, std::memory_order_release);
  try {
    LoadWindow(static_cast<int>(Round(thread.CentreX())), static_cast<int>(Round(thread.CentreY())));
    if (OnHeightChanged) OnHeightChanged(thread);
  } catch (const std::exception& error) {
    Report(std::string("Height load failed: ") + error.what());
  }
  state_.store(2, std::memory_order_release);

  try {
    // The front grid is replaced only by a load, and loads never overlap: it holds still here.
    const int16_t minHeight = MinHeight(), maxHeight = MaxHeight();
    contours_.Generate(front_.grid.data(), n_, std::max<int>(minHeight, 0), maxHeight, HeightScale, ContourDisplay);
  } catch (const std::exception& error) {
    Report(error.what());
  }
  contoursReady_.store(true, std::memory_order_release);
  if (OnContoursReady) OnContoursReady(thread);
}

void TPGSBitmapHDS::LoadWindow(int x, int y) {
  TWindowBounds bounds;
  bounds.Left = x - n_ / 2;
  bounds.Right = bounds.Left + n_ - 1;
  bounds.Top = y + n_ / 2;
  bounds.Bottom = bounds.Top - n_ + 1;

  TWindowCorners corners;
  const TLatLon topLeft = GridToLatLon(bounds.Left, bounds.Top);
  const TLatLon bottomRight = GridToLatLon(bounds.Right, bounds.Bottom);
  corners.TopLeftLat = topLeft.lat;
  corners.TopLeftLon = topLeft.lon;
  corners.BottomRightLat = bottomRight.lat;
  corners.BottomRightLon = bottomRight.lon;
  const MicroDegreePair topLeftMicro = ToMicroDegreePair(topLeft.lat, topLeft.lon);
  const MicroDegreePair bottomRightMicro = ToMicroDegreePair(bottomRight.lat, bottomRight.lon);
  corners.TopLeftLatMicro = topLeftMicro.lat;
  corners.TopLeftLonMicro = topLeftMicro.lon;
  corners.BottomRightLatMicro = bottomRightMicro.lat;
  corners.BottomRightLonMicro = bottomRightMicro.lon;

  // Fill the back grid: a missing raster leaves the heights of the last load.
  SendProgress(0, 0);
  {
    std::shared_lock lock(mutex_);
    back_.grid = front_.grid;
  }
  TRasterRange range;
  if (n_ == RasterSide) {
    const TRasterRead read = ReadRaster(back_.grid.data(), RasterFile);
    if (!read.Error.empty()) Report(read.Error);
    range = read.Range;
  } else {
    Report("Height grids of " + std::to_string(n_) + " cells cannot be read from rasters");
  }
  back_.minHeight = range.Min;
  back_.maxHeight = range.Max;
  try {
    MakeNormalMap(back_.grid.data(), n_, normalScale_, range.Min, range.Max, back_.normals.data());
  } catch (const std::exception& error) {
    Report(std::string("Error in MakeNormal: ") + error.what());
  }
  back_.bounds = bounds;
  back_.corners = corners;
  SendProgress(-1, 100);

  // Heights, extremes, normals and bounds go public as one update; no message inside.
  {
    std::unique_lock lock(mutex_);
    std::swap(front_, back_);
  }
  MarkDirtyAll();
  loadCentreX_.store(x);
  loadCentreY_.store(y);
}

void TPGSBitmapHDS::RebuildNormals() {
  WaitForLoadThread();
  std::vector<uint32_t> normals(std::size_t(n_) * n_);
  ReadGrid([&](const int16_t* grid) {
    MakeNormalMap(grid, n_, normalScale_, front_.minHeight, front_.maxHeight, normals.data());
  });
  std::unique_lock lock(mutex_);
  front_.normals.swap(normals);
}

// Queries

void TPGSBitmapHDS::StartPreparingData(scene::THeightTile& tile) {
  if (State() != 2) {
    if (SetBusyCursor) SetBusyCursor(true);
    WaitUntilReady();
    if (SetBusyCursor) SetBusyCursor(false);
  }
  const scene::THeightTileData wanted = tile.DataType;
  {
    std::shared_lock lock(mutex_);
    const TWindowBounds& b = front_.bounds;
    if (tile.XLeft < b.Left || tile.XLeft + tile.Size - 1 > b.Right || tile.YTop < b.Bottom ||
        tile.YTop + tile.Size - 1 > b.Top) {
      tile.DataType = scene::THeightTileData::None;
      tile.SmallIntData.clear();
      tile.FloatData.clear();
    } else {
      tile.DataType = scene::THeightTileData::SmallInt;
      tile.SmallIntData.resize(std::size_t(tile.Size) * tile.Size);
      for (int y = 0; y < tile.Size; ++y) {
        const int gy = tile.YTop + y - b.Bottom;
        for (int x = 0; x < tile.Size; ++x)
          tile.SmallIntData[std::size_t(y) * tile.Size + x] =
              front_.grid[std::size_t(tile.XLeft + x - b.Left) * n_ + gy];
      }
    }
  }
  if (tile.HasData() && wanted == scene::THeightTileData::Float) {
    tile.FloatData.assign(tile.SmallIntData.begin(), tile.SmallIntData.end());
    tile.SmallIntData.clear();
    tile.DataType = scene::THeightTileData::Float;
  }
  tile.Ready = true;
}

float TPGSBitmapHDS::InterpolatedHeight(float x, float y) {
  // Taken under the shared lock, so a load's swap never meets a half-read triangle.
  std::shared_lock lock(mutex_);
  const TWindowBounds& b = front_.bounds;
  const double limit = n_ - 2;
  const double fx = std::clamp(double(x) - b.Left, 0.0, limit);
  const double fy = std::clamp(double(y) - b.Bottom, 0.0, limit);
  const int i = static_cast<int>(fx), j = static_cast<int>(fy);
  const double dx = fx - i, dy = fy - j;
  auto h = [&](int a, int c) -> double { return front_.grid[std::size_t(i + a) * n_ + (j + c)]; };
  if (dx + dy > 1) return static_cast<float>(h(1, 1) + (1 - dy) * (h(1, 0) - h(1, 1)) + (1 - dx) * (h(0, 1) - h(1, 1)));
  return static_cast<float>(h(0, 0) + dy * (h(0, 1) - h(0, 0)) + dx * (h(1, 0) - h(0, 0)));
}

THeightRange TPGSBitmapHDS::HeightRangeAround() {
  std::shared_lock lock(mutex_);
  const TWindowBounds& b = front_.bounds;
  int sx = positionX_ - b.Left - n_ / 2;
  int sy = positionY_ - b.Bottom - n_ / 2;
  int ex = sx + n_, ey = sy + n_;
  sx = std::max(sx, 0);
  sy = std::max(sy, 0);
  ex = std::min(ex, n_ - 1);
  ey = std::min(ey, n_ - 1);
  float low = front_.grid[std::size_t(sx) * n_ + sy], high = low;
  for (int x = sx; x <= ex; ++x) {
    const auto [columnLow, columnHigh] =
        std::minmax_element(front_.grid.begin() + std::ptrdiff_t(x) * n_ + sy, front_.grid.begin() + std::ptrdiff_t(x) * n_ + ey + 1);
    low = std::min<float>(low, *columnLow);
    high = std::max<float>(high, *columnHigh);
  }
  return {low, high};
}

TWindowBounds TPGSBitmapHDS::Bounds() const {
  std::shared_lock lock(mutex_);
  return front_.bounds;
}

TWindowCorners TPGSBitmapHDS::Corners() const {
  std::shared_lock lock(mutex_);
  return front_.corners;
}

int16_t TPGSBitmapHDS::MinHeight() const {
  std::shared_lock lock(mutex_);
  return front_.minHeight;
}

int16_t TPGSBitmapHDS::MaxHeight() const {
  std::shared_lock lock(mutex_);
  return front_.maxHeight;
}

}  // namespace velmara

#include "terrain/RasterFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstring>

namespace velmara {
namespace {

static_assert(std::endian::native == std::endian::little, "rasters are read in place as little-endian");

// Closes the descriptor on every way out.
struct FileDescriptor {
  int fd;
  ~FileDescriptor() {
    if (fd >= 0) ::close(fd);
  }
};

}  // namespace

TRasterRead ReadRaster(int16_t* grid, const std::string& path) {
  TRasterRead read;
  FileDescriptor file{::open(path.c_str(), O_RDONLY | O_CLOEXEC)};
  if (file.fd < 0) {
    if (errno != ENOENT) read.Error = path + ": " + std::strerror(errno);
    return read;
  }
  struct stat status {};
  if (::fstat(file.fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    read.Error = path + ": not a raster file";
    return read;
  }

  // Read straight into the grid: the file's order is the grid's.
  std::size_t got = 0;
  auto* bytes = reinterpret_cast<char*>(grid);
  while (got < RasterBytes) {
    const ssize_t n = ::read(file.fd, bytes + got, RasterBytes - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      read.Error = path + ": " + std::strerror(errno);
      read.Result = TRasterResult::ReadError;
      break;
    }
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  const std::size_t values = got / 2;
  if (read.Result != TRasterResult::ReadError) {
    read.Result = TRasterResult::Read;
    // A short file: the rest of the grid takes the last value read (0 for an empty file).
    const int16_t last = values ? grid[values - 1] : 0;
    std::fill(grid + values, grid + std::size_t(RasterSide) * RasterSide, last);
  }
  const std::size_t filled = read.Result == TRasterResult::Read ? std::size_t(RasterSide) * RasterSide : values;
  if (filled > 0) {
    const auto [min, max] = std::minmax_element(grid, grid + filled);
    read.Range = {*min, *max};
  }
  return read;
}

bool WriteRaster(const int16_t* grid, const std::string& path) {
  FileDescriptor file{::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644)};
  if (file.fd < 0) return false;
  const auto* bytes = reinterpret_cast<const char*>(grid);
  std::size_t written = 0;
  while (written < RasterBytes) {
    const ssize_t n = ::write(file.fd, bytes + written, RasterBytes - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    written += static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace velmara

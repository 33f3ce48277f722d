// make-land-textures: the land sample pictures (sand, grass, rock, snow) and the detail map of
// the terrain, as seamless tiles of seeded noise written as JPEG into data/textures/.
#include <QColor>
#include <QImage>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdint>
#include <filesystem>
#include <string>

namespace {

constexpr int Side = 256;

uint32_t Hash(int x, int y, uint32_t seed) {
  uint32_t h = seed * 0x9E3779B1u ^ uint32_t(x) * 0x85EBCA77u ^ uint32_t(y) * 0xC2B2AE3Du;
  h ^= h >> 15;
  h *= 0x2C1B3C6Du;
  h ^= h >> 12;
  h *= 0x297A2D39u;
  return h ^ (h >> 15);
}

// Value noise whose lattice repeats every `period` cells, so the picture tiles without seams.
double TileNoise(double x, double y, int period, uint32_t seed) {
  const int ix = int(std::floor(x)), iy = int(std::floor(y));
  const double tx = x - ix, ty = y - iy;
  auto at = [&](int a, int b) {
    return Hash(((a % period) + period) % period, ((b % period) + period) % period, seed) / 2147483647.5 - 1.0;
  };
  const double sx = tx * tx * (3 - 2 * tx), sy = ty * ty * (3 - 2 * ty);
  const double top = at(ix, iy) + (at(ix + 1, iy) - at(ix, iy)) * sx;
  const double bottom = at(ix, iy + 1) + (at(ix + 1, iy + 1) - at(ix, iy + 1)) * sx;
  return top + (bottom - top) * sy;
}

// Octaves of tiling noise from a lattice of `cells` across the picture.
double Fractal(int x, int y, int cells, int octaves, uint32_t seed) {
  double sum = 0, amplitude = 1, norm = 0;
  for (int o = 0; o < octaves; ++o, cells *= 2, amplitude *= 0.55) {
    sum += amplitude * TileNoise(x * double(cells) / Side, y * double(cells) / Side, cells, seed + 31u * o);
    norm += amplitude;
  }
  return sum / norm;
}

struct Ground {
  const char* file;
  QColor dark, light;
  int cells, octaves;
  double speckle;  // fine grain on top
  uint32_t seed;
};

const Ground Grounds[] = {
    {"grass1A.jpg", QColor(70, 98, 40), QColor(128, 150, 70), 8, 5, 0.25, 1},
    {"grass1B.jpg", QColor(52, 84, 36), QColor(108, 132, 58), 6, 5, 0.30, 2},
    {"rock1C.jpg", QColor(88, 82, 76), QColor(150, 142, 130), 4, 6, 0.35, 3},
    {"snow1D.jpg", QColor(205, 212, 222), QColor(250, 252, 255), 4, 4, 0.10, 4},
    {"sand2A.jpg", QColor(176, 150, 106), QColor(226, 206, 160), 10, 5, 0.30, 5},
    {"grass2B.jpg", QColor(84, 110, 46), QColor(146, 160, 84), 8, 5, 0.25, 6},
    {"rock2C.jpg", QColor(96, 86, 72), QColor(160, 146, 124), 5, 6, 0.35, 7},
    {"rock2D.jpg", QColor(110, 106, 104), QColor(176, 172, 168), 3, 6, 0.30, 8},
};

QImage Paint(const Ground& g) {
  QImage image(Side, Side, QImage::Format_RGB32);
  for (int y = 0; y < Side; ++y)
    for (int x = 0; x < Side; ++x) {
      const double base = Fractal(x, y, g.cells, g.octaves, g.seed);
      const double grain = TileNoise(x * 0.5, y * 0.5, Side / 2, g.seed + 977);
      const double t = std::clamp(0.5 + 0.5 * base + g.speckle * 0.5 * grain, 0.0, 1.0);
      image.setPixel(x, y, qRgb(int(g.dark.red() + (g.light.red() - g.dark.red()) * t),
                                int(g.dark.green() + (g.light.green() - g.dark.green()) * t),
                                int(g.dark.blue() + (g.light.blue() - g.dark.blue()) * t)));
    }
  return image;
}

// A grey detail map around mid-grey, so that modulating with it roughens without darkening much.
QImage DetailMap() {
  QImage image(Side, Side, QImage::Format_RGB32);
  for (int y = 0; y < Side; ++y)
    for (int x = 0; x < Side; ++x) {
      const int v = std::clamp(int(200 + 55 * Fractal(x, y, 16, 4, 99)), 0, 255);
      image.setPixel(x, y, qRgb(v, v, v));
    }
  return image;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: make-land-textures TEXTURE_FOLDER\n");
    return 2;
  }
  const std::filesystem::path out = argv[1];
  std::filesystem::create_directories(out);
  for (const Ground& g : Grounds)
    if (!Paint(g).save(QString::fromStdString((out / g.file).string()), "JPG", 92)) {
      std::fprintf(stderr, "make-land-textures: cannot write %s\n", (out / g.file).c_str());
      return 1;
    }
  return DetailMap().save(QString::fromStdString((out / "detailmap.jpg").string()), "JPG", 92) ? 0 : 1;
}

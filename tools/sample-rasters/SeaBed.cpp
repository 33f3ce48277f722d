#include "tools/sample-rasters/SeaBed.h"

#include <cmath>

namespace velmara::samples {
namespace {

uint32_t Hash(int32_t x, int32_t y, uint32_t seed) {
  uint32_t h = seed * 0x9E3779B1u ^ static_cast<uint32_t>(x) * 0x85EBCA77u ^ static_cast<uint32_t>(y) * 0xC2B2AE3Du;
  h ^= h >> 15;
  h *= 0x2C1B3C6Du;
  h ^= h >> 12;
  h *= 0x297A2D39u;
  h ^= h >> 15;
  return h;
}

double Lattice(int32_t x, int32_t y, uint32_t seed) { return Hash(x, y, seed) / 2147483647.5 - 1.0; }
double Smooth(double t) { return t * t * t * (t * (t * 6 - 15) + 10); }

// Each octave turned by its own angle, so that the lattice of one never lines up with the next
// (aligned lattices show as a chequer of squares in the shading).
void Turn(double& x, double& y, int octave) {
  const double angle = 0.7 + 1.3 * octave, c = std::cos(angle), s = std::sin(angle);
  const double tx = c * x - s * y;
  y = s * x + c * y;
  x = tx;
}

}  // namespace

double ValueNoise(double x, double y, uint32_t seed) {
  const double fx = std::floor(x), fy = std::floor(y);
  const auto ix = static_cast<int32_t>(fx), iy = static_cast<int32_t>(fy);
  const double tx = Smooth(x - fx), ty = Smooth(y - fy);
  const double a = Lattice(ix, iy, seed), b = Lattice(ix + 1, iy, seed);
  const double c = Lattice(ix, iy + 1, seed), d = Lattice(ix + 1, iy + 1, seed);
  return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

double FractalNoise(double x, double y, double scale, int octaves, double persistence, uint32_t seed) {
  double sum = 0, amplitude = 1, norm = 0, frequency = 1 / scale;
  for (int o = 0; o < octaves; ++o) {
    double u = x * frequency, v = y * frequency;
    Turn(u, v, o);
    sum += amplitude * ValueNoise(u, v, seed + 101u * o);
    norm += amplitude;
    amplitude *= persistence;
    frequency *= 2;
  }
  return sum / norm;
}

double RidgedNoise(double x, double y, double scale, int octaves, uint32_t seed) {
  double sum = 0, amplitude = 1, norm = 0, frequency = 1 / scale;
  for (int o = 0; o < octaves; ++o) {
    double u = x * frequency, v = y * frequency;
    Turn(u, v, o);
    const double ridge = 1 - std::fabs(ValueNoise(u, v, seed + 977u * o));
    sum += amplitude * ridge * ridge;
    norm += amplitude;
    amplitude *= 0.5;
    frequency *= 2;
  }
  return sum / norm;
}

double Bell(double distance, double radius) {
  const double t = distance / radius;
  return std::exp(-3.0 * t * t);
}

double Draw(uint32_t seed, uint32_t k) { return Hash(static_cast<int32_t>(k), 7919, seed) / 4294967295.0; }

}  // namespace velmara::samples

#pragma once
// Building blocks of the sample sea beds: seeded fractal noise and smooth shapes (shores, channels,
// mounds), all deterministic so that every build makes the same bytes.

#include <cstdint>

namespace velmara::samples {

// Smooth value noise in about -1 ... 1 at (x, y), lattice spacing 1.
double ValueNoise(double x, double y, uint32_t seed);
// Sum of `octaves` noises, each twice as fine and `persistence` as strong as the last; the first
// has lattice spacing `scale` cells.
double FractalNoise(double x, double y, double scale, int octaves, double persistence, uint32_t seed);
// Ridged noise (0 ... 1, sharp crests) for rocky ground.
double RidgedNoise(double x, double y, double scale, int octaves, uint32_t seed);
// A bell of height 1 at distance 0 falling to about 0 at `radius`.
double Bell(double distance, double radius);
// A seeded number in 0 ... 1 for the k-th draw.
double Draw(uint32_t seed, uint32_t k);

}  // namespace velmara::samples

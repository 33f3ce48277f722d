// Synthetic sounding sets for the filter's tests and benchmarks: a survey of a sloping bed with
// noise, spikes, and optionally the awkward cases (inactive records, repeated positions,
// quantised coordinates and depths, non-finite values). Deterministic for a given seed.
#pragma once

#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "curvix/curvix.h"

namespace curvix_test {

struct SurveyOptions {
  int n = 1000;
  std::uint32_t seed = 1;
  // Positions: a rectangle around (lat0, lon0), in the filter's coordinate unit (110000 plane
  // units each, cosines taken as radians).
  double lat0 = 0.95;
  double lon0 = 0.10;
  double lat_span = 0.0002;
  double lon_span = 0.0003;
  double slope_north = 0.01;  // depth change per plane unit
  double slope_east = 0.005;
  double noise = 0.05;
  double spike_fraction = 0.01;
  double spike_size = 5;
  double inactive_fraction = 0;
  double repeat_fraction = 0;     // records placed at an earlier record's position
  double position_quantum = 0;    // > 0: positions rounded to multiples of it (ties)
  double depth_quantum = 0;       // > 0: depths rounded to multiples of it (ties)
  float weight_min = 50;
  float weight_max = 150;
  double nonfinite_fraction = 0;  // records with a NaN position, or a NaN or infinite Z or Weight
};

inline std::vector<curvix_sounding> MakeSurvey(const SurveyOptions& o) {
  std::mt19937 rng(o.seed);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  std::normal_distribution<double> gauss(0.0, 1.0);
  std::vector<curvix_sounding> out(static_cast<std::size_t>(o.n));
  for (int i = 0; i < o.n; ++i) {
    curvix_sounding& r = out[static_cast<std::size_t>(i)];
    double lat = o.lat0 + (unit(rng) - 0.5) * o.lat_span;
    double lon = o.lon0 + (unit(rng) - 0.5) * o.lon_span;
    if (o.position_quantum > 0) {
      lat = std::round(lat / o.position_quantum) * o.position_quantum;
      lon = std::round(lon / o.position_quantum) * o.position_quantum;
    }
    if (i > 0 && unit(rng) < o.repeat_fraction) {
      const auto& earlier = out[static_cast<std::size_t>(rng() % static_cast<unsigned>(i))];
      lat = earlier.Lat;
      lon = earlier.Lon;
    }
    const double north = (lat - o.lat0) * 110000;
    const double east = (lon - o.lon0) * std::cos(o.lat0) * 110000;
    double z = -(20 + o.slope_north * north + o.slope_east * east) + o.noise * gauss(rng);
    if (unit(rng) < o.spike_fraction) {
      z += (unit(rng) < 0.5 ? -1 : 1) * o.spike_size * (1 + unit(rng));
    }
    if (o.depth_quantum > 0) {
      z = std::round(z / o.depth_quantum) * o.depth_quantum;
    }
    float weight = static_cast<float>(o.weight_min + (o.weight_max - o.weight_min) * unit(rng));
    if (unit(rng) < o.inactive_fraction) {
      weight = unit(rng) < 0.5 ? 0.0f : -weight;
    }
    r = curvix_sounding{static_cast<float>(lat), static_cast<float>(lon), static_cast<float>(z),
                        weight, i + 1};
    if (unit(rng) < o.nonfinite_fraction) {
      // (An infinite position would move the middle of the set to infinity and leave nothing to
      // compare; NaN is passed over by the minimum and maximum.)
      const float odd[] = {NAN, INFINITY, -INFINITY};
      switch (rng() % 4) {
        case 0: r.Lat = NAN; break;
        case 1: r.Lon = NAN; break;
        case 2: r.Z = odd[rng() % 3]; break;
        default: r.Weight = odd[rng() % 3]; break;
      }
    }
  }
  return out;
}

// The search radius that gives about `neighbours` records within it on average.
inline float RadiusFor(const SurveyOptions& o, double neighbours) {
  const double width = o.lon_span * std::cos(o.lat0) * 110000;
  const double height = o.lat_span * 110000;
  const double density = o.n / (width * height);
  return static_cast<float>(std::sqrt(neighbours / (3.14159265358979 * density)));
}

}  // namespace curvix_test

// Seeded survey sets for cross-checking the filter against its reference: spikes, ties
// (repeated positions, quantised positions and depths, equal weights), inactive records, sparse
// neighbourhoods, non-finite values and odd parameters, both fitting modes.
#pragma once

#include <cstdint>
#include <ostream>
#include <vector>

#include "tests/curvix/SoundingSets.h"

namespace curvix_test {

struct Scenario {
  const char* name;
  SurveyOptions survey;
  double neighbours;  // the search radius holds about this many; 0: `radius` as given
  float radius;
  float tolerance, min_threshold, weight_at_min_z, weight_at_max_z, far_weight, percent;
  std::int32_t mean_only;
  bool mixed = true;  // expect both verdicts: a set where one of them is empty checks little
};
inline void PrintTo(const Scenario& s, std::ostream* os) { *os << s.name; }

inline SurveyOptions Survey(int n) {
  SurveyOptions o;
  o.n = n;
  return o;
}

inline std::vector<Scenario> Scenarios() {
  std::vector<Scenario> list;
  const Scenario base{"", Survey(1500), 30, 0, 0.1f, 0.3f, 1, 2, 0.5f, 50, 0, true};
  auto add = [&](const char* name, auto change) {
    Scenario s = base;
    s.name = name;
    change(s);
    list.push_back(s);
  };
  add("plane", [](Scenario&) {});
  add("mean", [](Scenario& s) { s.mean_only = 1; });
  add("many_spikes", [](Scenario& s) {
    s.survey.spike_fraction = 0.08;
    s.survey.spike_size = 2;
  });
  add("ties", [](Scenario& s) {
    s.survey.repeat_fraction = 0.2;
    s.survey.position_quantum = 2e-6;
    s.survey.depth_quantum = 0.1;
    s.survey.weight_min = s.survey.weight_max = 100;
  });
  add("ties_mean_far_weight_one", [](Scenario& s) {
    s.survey.repeat_fraction = 0.3;
    s.survey.position_quantum = 4e-6;
    s.far_weight = 1;
    s.mean_only = 1;
  });
  add("inactive", [](Scenario& s) {
    s.survey.inactive_fraction = 0.15;
    s.survey.spike_fraction = 0.03;
  });
  add("sparse", [](Scenario& s) { s.neighbours = 3; });
  add("integer_radius_on_grid", [](Scenario& s) {
    s.neighbours = 0;
    s.radius = 2;
    s.survey.lat0 = 0;
    s.survey.position_quantum = 1.0 / 110000 / 4;
  });
  add("nonfinite", [](Scenario& s) {
    s.survey.nonfinite_fraction = 0.03;
    s.survey.inactive_fraction = 0.05;
  });
  add("weights_below_one", [](Scenario& s) {
    s.survey.weight_min = 0.2f;
    s.survey.weight_max = 0.9f;
  });
  add("inverted_depth_weights_wide_band", [](Scenario& s) {
    s.weight_at_min_z = 3;
    s.weight_at_max_z = 0.5f;
    s.percent = 90;
    s.min_threshold = 0;
    s.tolerance = 0;
  });
  add("band_wider_than_the_envelope", [](Scenario& s) {
    s.percent = 140;
    s.mixed = false;
  });
  // The cosine of the middle almost zero: plane x scattered over 1e13, infinite in places.
  add("near_the_cosine_zero", [](Scenario& s) {
    s.survey.lat0 = 1.5707963;
    s.mixed = false;
  });
  add("small_sets", [](Scenario& s) {
    s.survey.n = 7;
    s.neighbours = 5;
    s.mixed = false;
  });
  return list;
}


inline float RadiusOf(const Scenario& s, const SurveyOptions& o) {
  return s.neighbours > 0 ? RadiusFor(o, s.neighbours) : s.radius;
}

}  // namespace curvix_test

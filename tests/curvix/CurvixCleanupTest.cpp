// The sounding cleaning filter through the C interface: the output contract, the cases at the
// edge of the neighbour rules, and the cases where the filter does the sound thing.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <random>
#include <thread>
#include <vector>

#include "curvix/curvix.h"
#include "tests/curvix/CurvixTestSupport.h"
#include "tests/curvix/SoundingSets.h"

namespace {

struct Params {
  float radius = 3;
  float tolerance = 0.1f;
  float min_threshold = 0.5f;
  float weight_at_min_z = 1;
  float weight_at_max_z = 2;
  float far_weight = 0.5f;
  float percent = 50;
  std::int32_t mean_only = 0;
};

struct Outcome {
  std::int32_t result = -2, accepted = -1, rejected = -1;
};

Outcome Clean(std::vector<curvix_sounding>& records, const Params& p) {
  Outcome o;
  const auto n = static_cast<std::int32_t>(records.size());
  o.result = cleanup(&n, records.data(), p.radius, p.tolerance, p.min_threshold,
                     p.weight_at_min_z, p.weight_at_max_z, p.far_weight, p.percent, p.mean_only,
                     &o.accepted, &o.rejected);
  return o;
}

// A flat bed at depth 10 on a jittered grid of 1 m, Ids 1 ... n, weight 100.
std::vector<curvix_sounding> FlatPatch(int side, float lat0 = 0.5f, std::uint32_t seed = 1) {
  std::mt19937 rng(seed);
  std::uniform_real_distribution<double> jitter(-0.3, 0.3);
  std::vector<curvix_sounding> out;
  for (int i = 0; i < side; ++i) {
    for (int j = 0; j < side; ++j) {
      const double lat = lat0 + (i + jitter(rng)) / 110000.0;
      const double lon = 0.2 + (j + jitter(rng)) / 110000.0 / std::cos(lat0);
      out.push_back({static_cast<float>(lat), static_cast<float>(lon), -10.0f, 100.0f,
                     static_cast<std::int32_t>(out.size() + 1)});
    }
  }
  return out;
}

std::vector<std::int32_t> Ids(const std::vector<curvix_sounding>& records) {
  std::vector<std::int32_t> ids;
  for (const auto& r : records) ids.push_back(r.Id);
  return ids;
}

class CurvixCleanupModes : public ::testing::TestWithParam<std::int32_t> {};

// Spikes and inactive soundings go to the back, in input order, everything else to the front in
// input order; Ids carry the verdict, weights tell rejected from inactive.
TEST_P(CurvixCleanupModes, SplitsAcceptedAndRejectedKeepingInputOrder) {
  std::vector<curvix_sounding> records = FlatPatch(12);
  records[30].Z = 0;        // spike, Id 31
  records[100].Z = -25;     // spike, Id 101
  records[100].Weight = 7.9f;
  records[50].Weight = 0;   // inactive, Id 51
  records[77].Weight = -2.5f;  // inactive, Id 78
  records[77].Id = -78;
  const std::vector<curvix_sounding> input = records;
  Params p;
  p.mean_only = GetParam();
  const Outcome o = Clean(records, p);
  ASSERT_EQ(o.result, 0);
  ASSERT_EQ(o.accepted, 140);
  ASSERT_EQ(o.rejected, 4);

  std::vector<std::int32_t> want;
  for (int i = 1; i <= 144; ++i) {
    if (i != 31 && i != 51 && i != 78 && i != 101) want.push_back(i);
  }
  for (int i : {-31, -51, -78, -101}) want.push_back(i);
  EXPECT_EQ(Ids(records), want);

  for (int i = 0; i < 140; ++i) {
    const curvix_sounding& in = input[static_cast<std::size_t>(want[i] - 1)];
    EXPECT_TRUE(curvix_test::SameRecord(records[i], in)) << "accepted " << i;
  }
  EXPECT_EQ(records[140].Weight, 100.0f);  // rejected: the truncated |Weight|
  EXPECT_EQ(records[141].Weight, 0.0f);    // came in inactive: -Weight
  EXPECT_EQ(records[142].Weight, 2.5f);
  EXPECT_EQ(records[143].Weight, 7.0f);
  EXPECT_EQ(records[143].Z, -25.0f);
  EXPECT_EQ(records[143].Lat, input[100].Lat);
}

INSTANTIATE_TEST_SUITE_P(MeanOnly, CurvixCleanupModes, ::testing::Values(0, 1),
                         [](const auto& info) {
                           return std::string(info.param ? "mean" : "plane");
                         });

TEST(CurvixCleanup, InactiveSoundingIsNeverANeighbour) {
  std::vector<curvix_sounding> records = FlatPatch(8);
  // Far off the bed but inactive: if it took part, the soundings around it would look deep.
  records[27].Z = -1000;
  records[27].Weight = -3;
  const Outcome o = Clean(records, Params{});
  EXPECT_EQ(o.accepted, 63);
  EXPECT_EQ(records[63].Id, -28);
  EXPECT_EQ(records[63].Weight, 3.0f);
}

// Three soundings 1 m apart, 30 m from a patch: each has exactly two neighbours.
struct FewNeighbours {
  const char* name;
  std::int32_t mean_only;
  float min_threshold;
  bool rejected;
};
void PrintTo(const FewNeighbours& c, std::ostream* os) { *os << c.name; }

class CurvixCleanupFewNeighbours : public ::testing::TestWithParam<FewNeighbours> {};

TEST_P(CurvixCleanupFewNeighbours, TwoNeighboursAreTooFewForAPlane) {
  const FewNeighbours& c = GetParam();
  std::vector<curvix_sounding> records = FlatPatch(8);
  for (int i = 0; i < 3; ++i) {
    records.push_back({0.5f + 30 / 110000.0f + i / 110000.0f, 0.2f, -10.0f, 100.0f, 1000 + i});
  }
  Params p;
  p.mean_only = c.mean_only;
  p.min_threshold = c.min_threshold;
  const Outcome o = Clean(records, p);
  EXPECT_EQ(o.accepted, c.rejected ? 64 : 67);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(records[static_cast<std::size_t>(64 + i)].Id, (c.rejected ? -1 : 1) * (1000 + i));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CurvixCleanupFewNeighbours,
    ::testing::Values(FewNeighbours{"plane_has_no_estimate", 0, 0.5f, true},
                      FewNeighbours{"band_below_the_marker", 0, 200000, false},
                      FewNeighbours{"mean_needs_one", 1, 0.5f, false}),
    [](const auto& info) { return std::string(info.param.name); });

// A spike whose last neighbour slot holds a sounding at its very position: the last distance is
// zero, so the distance weighting has an infinite (or, with FarWeight 1, undefined) slope. The
// coincident neighbour keeps its weight and the spike is found.
class CurvixCleanupCoincident : public ::testing::TestWithParam<float> {};

TEST_P(CurvixCleanupCoincident, SpikeWithACoincidentLastNeighbourIsRejected) {
  std::vector<curvix_sounding> records;
  // Four soundings west of the spike, met first on the walk left; then the coincident one,
  // right of the spike in x order.
  for (int i = 1; i <= 4; ++i) {
    records.push_back({0.5f, 0.2f - i / 110000.0f, -10.0f, 100.0f, i});
  }
  records.push_back({0.5f, 0.2f, 40.0f, 100.0f, 5});   // spike
  records.push_back({0.5f, 0.2f, -10.0f, 100.0f, 6});  // same position
  Params p;
  p.mean_only = 1;
  p.radius = 6;
  p.far_weight = GetParam();
  const Outcome o = Clean(records, p);
  ASSERT_EQ(o.result, 0);
  bool spike_rejected = false;
  for (const auto& r : records) spike_rejected |= r.Id == -5;
  EXPECT_TRUE(spike_rejected);
}

INSTANTIATE_TEST_SUITE_P(FarWeight, CurvixCleanupCoincident, ::testing::Values(0.5f, 1.0f));

// Two lines of soundings 200000 units apart in longitude: their plane coordinates lie beyond
// +-1.1e10. Every active sounding still gets an estimate in the first pass, and each line's spike
// is found.
TEST(CurvixCleanup, EstimatesSoundingsFarFromTheMiddle) {
  std::vector<curvix_sounding> records;
  for (float start : {0.0f, 200000.0f}) {
    for (int j = 0; j < 40; ++j) {
      // 1/64 apart: about 1700 plane units, the float spacing that far out.
      records.push_back({0.0f, start + j / 64.0f, -10.0f, 100.0f,
                         static_cast<std::int32_t>(records.size() + 1)});
    }
  }
  records[10].Z = 30;
  records[40 + 25].Z = 30;
  Params p;
  p.radius = 14000;  // about 8 soundings either side
  p.mean_only = 1;
  p.far_weight = 1;
  p.min_threshold = 8;  // the spikes' neighbours lie about 5 too deep
  const Outcome o = Clean(records, p);
  EXPECT_EQ(o.accepted, 78);
  EXPECT_EQ(records[78].Id, -11);
  EXPECT_EQ(records[79].Id, -66);
}

TEST(CurvixCleanup, TrivialCounts) {
  std::vector<curvix_sounding> one{{0.1f, 0.2f, -5, 3.75f, INT32_MIN}};
  Outcome o = Clean(one, Params{});
  EXPECT_EQ(o.result, 0);
  EXPECT_EQ(o.accepted, 0);
  EXPECT_EQ(o.rejected, 1);
  EXPECT_EQ(one[0].Id, INT32_MIN);  // has no positive counterpart; stays
  EXPECT_EQ(one[0].Weight, 3.0f);

  for (std::int32_t n : {0, -5}) {
    std::int32_t accepted = -1, rejected = -1;
    curvix_sounding untouched{1, 2, 3, 4, 5};
    EXPECT_EQ(cleanup(&n, &untouched, 3, 0.1f, 0.5f, 1, 2, 0.5f, 50, 0, &accepted, &rejected), 0);
    EXPECT_EQ(accepted, 0);
    EXPECT_EQ(rejected, 0);
    EXPECT_EQ(untouched.Id, 5);
  }
}

// Each call has its own working storage: calls on several threads give the results of calls one
// after another.
TEST(CurvixCleanup, CallsMayRunAtOnce) {
  std::vector<std::vector<curvix_sounding>> sets;
  for (std::uint32_t seed = 1; seed <= 4; ++seed) {
    curvix_test::SurveyOptions o;
    o.n = 6000;
    o.seed = seed;
    o.inactive_fraction = 0.02;
    sets.push_back(curvix_test::MakeSurvey(o));
  }
  Params p;
  p.radius = curvix_test::RadiusFor(curvix_test::SurveyOptions{.n = 6000}, 30);
  std::vector<std::vector<curvix_sounding>> alone = sets, together = sets;
  for (auto& s : alone) Clean(s, p);
  std::vector<std::thread> threads;
  for (auto& s : together) {
    threads.emplace_back([&s, &p] {
      for (int repeat = 0; repeat < 3; ++repeat) {
        auto copy = s;
        Clean(copy, p);
        if (repeat == 2) s = copy;
      }
    });
  }
  for (auto& t : threads) t.join();
  for (std::size_t i = 0; i < sets.size(); ++i) {
    ASSERT_EQ(alone[i].size(), together[i].size());
    for (std::size_t k = 0; k < alone[i].size(); ++k) {
      ASSERT_TRUE(curvix_test::SameRecord(alone[i][k], together[i][k])) << i << " " << k;
    }
  }
}

}  // namespace

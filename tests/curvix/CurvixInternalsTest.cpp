// Inside the library: both instruction-set builds of the key functions against the reference,
// the double-precision scaling against the extended one right at cell boundaries, the walk's
// integer comparisons, the banded neighbour walk against the plain walk of the x order, and the
// filter's residuals pass by pass against the reference.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

#include "curvix/Cleanup.h"
#include "curvix/CpuDispatch.h"
#include "curvix/KeyFrame.h"
#include "curvix/KeyVariants.h"
#include "curvix/NeighbourSearch.h"
#include "curvix/SearchThresholds.h"
#include "tests/curvix/CleanupReference.h"
#include "tests/curvix/CleanupScenarios.h"
#include "tests/curvix/CurvixTestSupport.h"
#include "tests/curvix/KeysCrossCheck.h"
#include "tests/curvix/SoundingSets.h"

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

using curvix_test::FrameCase;

struct Variant {
  const char* name;
  curvix_test::KeyApi api;
  bool (*available)();
};
void PrintTo(const Variant& v, std::ostream* os) { *os << v.name; }

const Variant kVariants[] = {
    {"portable",
     {curvix::portable::polar2pn, curvix::portable::lowleft, curvix::portable::centre,
      curvix::portable::topright, curvix::portable::coverage},
     [] { return true; }},
    {"bmi2",
     {curvix::bmi2::polar2pn, curvix::bmi2::lowleft, curvix::bmi2::centre,
      curvix::bmi2::topright, curvix::bmi2::coverage},
     [] { return __builtin_cpu_supports("bmi2") != 0; }},
};

class CurvixKeyVariants
    : public ::testing::TestWithParam<std::tuple<Variant, FrameCase>> {
  curvix_test::InitialFrame frame_;
};

TEST_P(CurvixKeyVariants, MatchTheReferenceBitForBit) {
  const auto& [variant, frame] = GetParam();
  if (!variant.available()) {
    GTEST_SKIP() << "no BMI2 on this CPU";
  }
  curvix_test::CrossCheckKeys(variant.api, frame, 77u, 1500);
}

INSTANTIATE_TEST_SUITE_P(
    All, CurvixKeyVariants,
    ::testing::Combine(::testing::ValuesIn(kVariants),
                       ::testing::ValuesIn(curvix_test::kCrossCheckFrames,
                                           curvix_test::kCrossCheckFrames +
                                               curvix_test::kCrossCheckFrameCount)),
    [](const auto& info) {
      return std::string(std::get<0>(info.param).name) + "_" + std::get<1>(info.param).name;
    });

TEST(CurvixDispatch, UsesPdepOnlyWhereTheCpuHasIt) {
  if (!__builtin_cpu_supports("bmi2")) {
    EXPECT_FALSE(curvix::cpu_has_fast_pdep());
  }
  if (__builtin_cpu_is("intel") && __builtin_cpu_supports("bmi2")) {
    EXPECT_TRUE(curvix::cpu_has_fast_pdep());
  }
}

// The double path must agree with the extended one wherever it answers; values within a few
// ulps of a unit boundary are where it would go wrong without its guard.
TEST(CurvixScaling, DoublePathAgreesWithExtendedAtUnitBoundaries) {
  const FrameCase frames[] = {{"initial", 0, 360, -90, 90},
                              {"mercator", 0, 40000000, -10000000, 10000000},
                              {"odd", -0.1, 0.7, 1e-3, 3e-3},
                              {"wide", -1e200, 1e200, 3, 3e9}};
  std::mt19937_64 rng(5);
  for (const FrameCase& f : frames) {
    const curvix::Axis axis = curvix::make_axis(f.xmin, f.xmax);
    int mismatches = 0;
    for (int i = 0; i < 400000; ++i) {
      const std::int64_t k = static_cast<std::int64_t>(rng() % 0x200000000ull) - 0x80000000ll;
      const long double exact = f.xmin + static_cast<long double>(k) / 4294967295.0L *
                                             (static_cast<long double>(f.xmax) - f.xmin);
      double v = static_cast<double>(exact);
      const int steps = static_cast<int>(rng() % 9) - 4;
      for (int s = 0; s != steps; s += steps > 0 ? 1 : -1) {
        v = std::nextafter(v, steps > 0 ? kInf : -kInf);
      }
      const std::uint32_t fast = curvix::scaled(v, axis);
      const std::uint32_t slow = curvix::scaled_extended(v, f.xmin, f.xmax);
      if (fast != slow && mismatches++ < 5) {
        ADD_FAILURE() << f.name << std::hexfloat << " v " << v << ": " << fast << " vs " << slow;
      }
    }
    EXPECT_EQ(mismatches, 0) << f.name;
  }
}

TEST(CurvixSearchThresholds, EqualTheTruncatedComparisons) {
  const double radii[] = {0,      0.5,   1,      2.9999999, 3,    3.0000001, 16.25,
                          1e15,   0x1p52, 0x1p52 + 1, 0x1p53, 0x1p60, DBL_MAX, kInf,
                          kNaN,   -0.5,  -3,     -1e300,    -kInf, 5e-324};
  std::vector<double> values = {0, 0.25, 1, 2, 3, 4, 17, 1e15, 0x1p52, 0x1p53, DBL_MAX, kInf,
                                kNaN};
  for (double r : radii) {
    for (double base : {r, std::floor(r), std::ceil(r), std::floor(r) + 1}) {
      if (std::isfinite(base)) {
        for (int s = -2; s <= 2; ++s) {
          double v = base;
          for (int j = 0; j < std::abs(s); ++j) v = std::nextafter(v, s > 0 ? kInf : -kInf);
          values.push_back(std::fabs(v));
        }
      }
    }
  }
  for (double r : radii) {
    for (double a : values) {
      EXPECT_EQ(a >= curvix::stop_threshold(r), std::trunc(a) > r) << a << " vs " << r;
      EXPECT_EQ(a >= curvix::skip_threshold(r), std::trunc(a) >= r) << a << " vs " << r;
    }
  }
}

// The banded walk must find exactly the plain walk's neighbours, in the same slots, at the same
// distances: on sorted x, with repeated and integer positions (comparisons right at the walk's
// integer bounds), inactive soundings, infinite and NaN coordinates and varied weights.
struct WalkCase {
  const char* name;
  int n;
  float radius;
  double grid;          // > 0: positions on this grid
  double repeat;        // share of repeated positions
  double odd;           // share of infinite or NaN y, infinite x
  bool infinite_weight; // one weight infinite: every finite weighted distance is 0
};
void PrintTo(const WalkCase& c, std::ostream* os) { *os << c.name; }

class CurvixBandedWalk : public ::testing::TestWithParam<WalkCase> {};

TEST_P(CurvixBandedWalk, FindsWhatThePlainWalkFinds) {
  const WalkCase& c = GetParam();
  std::mt19937 rng(99);
  std::uniform_real_distribution<double> unit(0, 1);
  std::vector<float> x(c.n), y(c.n), w(c.n);
  const double side = std::sqrt(c.n / 1.5);
  for (int i = 0; i < c.n; ++i) {
    double px = side * unit(rng), py = side * unit(rng);
    if (c.grid > 0) {
      px = std::round(px / c.grid) * c.grid;
      py = std::round(py / c.grid) * c.grid;
    }
    if (i > 0 && unit(rng) < c.repeat) {
      const int j = static_cast<int>(rng() % i);
      px = x[j];
      py = y[j];
    }
    x[i] = static_cast<float>(px);
    y[i] = static_cast<float>(py);
    w[i] = static_cast<float>(unit(rng) < 0.1 ? -1.0 : 1 + 99 * unit(rng));
    if (unit(rng) < c.odd) {
      const float odd[] = {INFINITY, -INFINITY, NAN};
      y[i] = odd[rng() % 3];
    }
  }
  std::sort(x.begin(), x.end());
  if (c.odd > 0) {
    x.front() = -INFINITY;
    x.back() = INFINITY;
  }
  float max_weight = 0;
  for (float v : w) max_weight = std::max(max_weight, v);
  if (c.infinite_weight) {
    w[c.n / 2] = INFINITY;
    max_weight = INFINITY;
  }
  const curvix::XOrdered s{x.data(), y.data(), w.data(), c.n};
  curvix::NeighbourSearch banded, plain;
  ASSERT_TRUE(banded.init(c.n, true, c.radius, max_weight));
  ASSERT_TRUE(plain.init(c.n, false, c.radius, max_weight));
  banded.index(s);
  plain.index(s);
  int searched = 0, full = 0;
  for (int k = 0; k < c.n; ++k) {
    if (!(w[k] > 0)) continue;
    curvix::Neighbours a{}, b{};
    banded.find(s, k, a);
    plain.find(s, k, b);
    ++searched;
    full += b.count == curvix::kNeighbours;
    ASSERT_EQ(a.count, b.count) << "at " << k;
    for (int i = 0; i < a.count; ++i) {
      ASSERT_EQ(a.pos[i], b.pos[i]) << "at " << k << " slot " << i;
      ASSERT_TRUE(curvix_test::SameDouble(a.distance[i], b.distance[i]));
    }
  }
  EXPECT_GT(full, searched / 4);  // the radius really shrinks in most searches
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CurvixBandedWalk,
    ::testing::Values(WalkCase{"random", 4000, 3.5f, 0, 0, 0, false},
                      WalkCase{"integer_grid", 4000, 3.0f, 1, 0.2, 0, false},
                      WalkCase{"half_grid_repeats", 4000, 2.0f, 0.5, 0.4, 0, false},
                      WalkCase{"odd_values", 3000, 4.0f, 0, 0.1, 0.05, false},
                      WalkCase{"infinite_weight", 1500, 3.0f, 0, 0, 0, true},
                      WalkCase{"wide_radius", 800, 60.0f, 0, 0, 0, false}),
    [](const auto& info) { return std::string(info.param.name); });

// What the observer saw of each pass; residuals by input record.
struct PassLog {
  std::vector<std::int32_t> recomputed;
  std::vector<std::int32_t> rejected;
  std::vector<std::vector<float>> residuals;

  static void record(void* self, const curvix::CleanupPass& p) {
    auto& log = *static_cast<PassLog*>(self);
    log.recomputed.push_back(p.recomputed);
    log.rejected.push_back(p.rejected);
    std::vector<float> by_input(static_cast<std::size_t>(p.n));
    for (std::int32_t k = 0; k < p.n; ++k) {
      by_input[static_cast<std::size_t>(p.input_index[k * p.input_stride])] = p.residual[k];
    }
    log.residuals.push_back(std::move(by_input));
  }
};

PassLog Filter(std::vector<curvix_sounding>& records, const curvix::CleanupParams& p) {
  PassLog log;
  const curvix::CleanupObserver observer{&log, PassLog::record};
  std::int32_t accepted = 0, rejected = 0;
  EXPECT_EQ(curvix::run_cleanup(static_cast<std::int32_t>(records.size()), records.data(), p,
                                &accepted, &rejected, &observer),
            0);
  return log;
}

TEST(CurvixCleanupPasses, StopsAfterAFirstPassWithinToleranceYetRejectsOutsideTheBand) {
  curvix_test::SurveyOptions o;
  o.n = 600;
  o.spike_fraction = 0.03;
  o.spike_size = 1;
  auto records = curvix_test::MakeSurvey(o);
  // Every residual lies within the tolerance, the band (30 % of the envelope, at least 0.2) does
  // not hold the spikes.
  const curvix::CleanupParams p{curvix_test::RadiusFor(o, 30), 5.0f, 0.2f, 1, 2, 0.5f, 30, 0};
  const PassLog log = Filter(records, p);
  ASSERT_EQ(log.rejected.size(), 1u);
  EXPECT_GT(log.rejected[0], 0);
}

TEST(CurvixCleanupPasses, LaterPassesRecomputeOnlyAroundRejections) {
  curvix_test::SurveyOptions o;
  o.n = 3000;
  o.spike_fraction = 0.0005;  // one or two spikes
  o.spike_size = 20;
  auto records = curvix_test::MakeSurvey(o);
  const curvix::CleanupParams p{curvix_test::RadiusFor(o, 30), 0.1f, 0.5f, 1, 2, 0.5f, 50, 0};
  const PassLog log = Filter(records, p);
  ASSERT_GE(log.recomputed.size(), 2u);
  EXPECT_EQ(log.recomputed[0], o.n);
  EXPECT_LT(log.recomputed[1], o.n / 10);
}

// Verdicts hide most of what happens: residuals must match the reference's too, pass by pass,
// bit for bit (those of soundings active on input; the others never get one).
class CurvixCleanupResiduals : public ::testing::TestWithParam<curvix_test::Scenario> {};

TEST_P(CurvixCleanupResiduals, MatchTheReferencePassByPass) {
  const curvix_test::Scenario& sc = GetParam();
  for (std::uint32_t seed = 1; seed <= 3; ++seed) {
    curvix_test::SurveyOptions o = sc.survey;
    o.seed = seed;
    const std::vector<curvix_sounding> input = curvix_test::MakeSurvey(o);
    const float radius = curvix_test::RadiusOf(sc, o);
    std::vector<curvix_sounding> got = input, want = input;
    const curvix::CleanupParams p{radius,           sc.tolerance,       sc.min_threshold,
                                  sc.weight_at_min_z, sc.weight_at_max_z, sc.far_weight,
                                  sc.percent,        sc.mean_only};
    const PassLog log = Filter(got, p);
    std::vector<std::vector<float>> expected;
    const auto n = static_cast<std::int32_t>(input.size());
    std::int32_t accepted = 0, rejected = 0;
    curvix_test::ReferenceCleanup(&n, want.data(), radius, sc.tolerance, sc.min_threshold,
                                  sc.weight_at_min_z, sc.weight_at_max_z, sc.far_weight,
                                  sc.percent, sc.mean_only, &accepted, &rejected, &expected);
    ASSERT_EQ(log.residuals.size(), expected.size()) << "passes, seed " << seed;
    for (std::size_t pass = 0; pass < expected.size(); ++pass) {
      for (std::size_t i = 0; i < input.size(); ++i) {
        if (input[i].Weight > 0) {
          ASSERT_TRUE(curvix_test::SameDouble(log.residuals[pass][i], expected[pass][i]))
              << "seed " << seed << " pass " << pass << " record " << i << ": "
              << log.residuals[pass][i] << " want " << expected[pass][i];
        }
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Scenarios, CurvixCleanupResiduals,
                         ::testing::ValuesIn(curvix_test::Scenarios()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace

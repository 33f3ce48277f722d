// The exported cleanup against the literal reference, bit for bit, on the seeded survey sets of
// CleanupScenarios.h.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "curvix/curvix.h"
#include "tests/curvix/CleanupReference.h"
#include "tests/curvix/CleanupScenarios.h"
#include "tests/curvix/CurvixTestSupport.h"
#include "tests/curvix/SoundingSets.h"

namespace {

using curvix_test::Scenario;
using curvix_test::SurveyOptions;

class CurvixCleanupCrossCheck : public ::testing::TestWithParam<Scenario> {};

TEST_P(CurvixCleanupCrossCheck, MatchesTheReferenceBitForBit) {
  const Scenario& sc = GetParam();
  for (std::uint32_t seed = 1; seed <= 3; ++seed) {
    SurveyOptions o = sc.survey;
    o.seed = seed;
    const std::vector<curvix_sounding> input = curvix_test::MakeSurvey(o);
    const float radius = curvix_test::RadiusOf(sc, o);
    std::vector<curvix_sounding> got = input, want = input;
    const auto n = static_cast<std::int32_t>(input.size());
    std::int32_t got_accepted = -1, got_rejected = -1, want_accepted = -2, want_rejected = -2;
    ASSERT_EQ(cleanup(&n, got.data(), radius, sc.tolerance, sc.min_threshold,
                      sc.weight_at_min_z, sc.weight_at_max_z, sc.far_weight, sc.percent,
                      sc.mean_only, &got_accepted, &got_rejected),
              0);
    curvix_test::ReferenceCleanup(&n, want.data(), radius, sc.tolerance, sc.min_threshold,
                                  sc.weight_at_min_z, sc.weight_at_max_z, sc.far_weight,
                                  sc.percent, sc.mean_only, &want_accepted, &want_rejected);
    ASSERT_EQ(got_accepted, want_accepted) << "seed " << seed;
    ASSERT_EQ(got_rejected, want_rejected) << "seed " << seed;
    for (std::size_t k = 0; k < got.size(); ++k) {
      ASSERT_TRUE(curvix_test::SameRecord(got[k], want[k]))
          << "seed " << seed << " record " << k << ": Id " << got[k].Id << " want "
          << want[k].Id;
    }
    if (sc.mixed) {
      EXPECT_GT(got_rejected, 0);
      EXPECT_GT(got_accepted, o.n / 2);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Scenarios, CurvixCleanupCrossCheck,
                         ::testing::ValuesIn(curvix_test::Scenarios()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace

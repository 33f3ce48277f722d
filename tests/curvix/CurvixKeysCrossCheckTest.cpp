// The exported key functions against the literal reference, bit for bit.
#include <gtest/gtest.h>

#include "curvix/curvix.h"
#include "tests/curvix/CurvixTestSupport.h"
#include "tests/curvix/KeysCrossCheck.h"

namespace {

using curvix_test::FrameCase;

class CurvixKeysCrossCheck : public ::testing::TestWithParam<FrameCase> {
  curvix_test::InitialFrame frame_;
};

TEST_P(CurvixKeysCrossCheck, MatchesTheReferenceBitForBit) {
  const curvix_test::KeyApi api{polar2pn, pn2polar_lowleft, pn2polar_centre, pn2polar_topright,
                                coverage};
  curvix_test::CrossCheckKeys(api, GetParam(), 20240601u, 3000);
}

INSTANTIATE_TEST_SUITE_P(
    Frames, CurvixKeysCrossCheck,
    ::testing::ValuesIn(curvix_test::kCrossCheckFrames,
                        curvix_test::kCrossCheckFrames + curvix_test::kCrossCheckFrameCount),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace

// A literal, slow transcription of the sounding cleaning filter, step by step with 1-based
// arrays, a full walk of the x order and the 17-entry sort on every overflow: the yardstick the
// library is checked against bit for bit, and the benchmarks' baseline. It follows the library's
// decisions where the plain steps would fail: the first pass estimates every active sounding
// (not only those inside a +-1e10 box), a neighbour at distance zero keeps its full weight when
// the last slot's distance is zero, a sounding without an estimate stays out of the statistics
// for as long as that is its residual, and Id -2147483648 stays as it is.
#pragma once

#include <cstdint>
#include <vector>

#include "curvix/curvix.h"

namespace curvix_test {

std::int32_t ReferenceCleanup(const std::int32_t* count, curvix_sounding* records,
                              float SearchRadius, float Tolerance, float MinThreshold,
                              float WeightAtMinZ, float WeightAtMaxZ, float FarWeight,
                              float ThresholdPercent, std::int32_t MeanOnly,
                              std::int32_t* acceptedCount, std::int32_t* rejectedCount,
                              std::vector<std::vector<float>>* residualsByPass = nullptr);

}  // namespace curvix_test

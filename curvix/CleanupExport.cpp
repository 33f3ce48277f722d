// The exported cleanup: the C signature over the filter.
#include "curvix/Cleanup.h"
#include "curvix/curvix.h"

extern "C" CURVIX_API int32_t cleanup(const int32_t* count, curvix_sounding* records,
                                      float SearchRadius, float Tolerance, float MinThreshold,
                                      float WeightAtMinZ, float WeightAtMaxZ, float FarWeight,
                                      float ThresholdPercent, int32_t MeanOnly,
                                      int32_t* acceptedCount, int32_t* rejectedCount) {
  const curvix::CleanupParams params{SearchRadius, Tolerance,  MinThreshold,     WeightAtMinZ,
                                     WeightAtMaxZ, FarWeight,  ThresholdPercent, MeanOnly};
  return curvix::run_cleanup(*count, records, params, acceptedCount, rejectedCount);
}

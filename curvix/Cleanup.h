// The sounding cleaning filter behind the exported cleanup. Private to curvix; the benchmarks
// and tests reach it directly to time its passes.
#pragma once

#include <cstddef>
#include <cstdint>

#include "curvix/curvix.h"

namespace curvix {

struct CleanupParams {
  float search_radius;
  float tolerance;
  float min_threshold;
  float weight_at_min_z;
  float weight_at_max_z;
  float far_weight;
  float threshold_percent;
  std::int32_t mean_only;
};

// What a pass leaves behind, for an observer: its number (0 first), how many residuals it
// recomputed, how many records it rejected, and every record's current residual.
struct CleanupPass {
  std::int32_t pass;
  std::int32_t recomputed;
  std::int32_t rejected;
  std::int32_t n;
  const float* residual;            // by position in x order
  const std::int32_t* input_index;  // input record at x-order position k: [k * input_stride]
  std::size_t input_stride;
};

struct CleanupObserver {
  void* context;
  void (*pass_done)(void* context, const CleanupPass& pass);
};

// Filters records[0 .. n-1] in place (see cleanup in curvix.h). Returns 0, or -1 with nothing
// touched when working storage cannot be allocated. Keeps no state: calls may run at once.
std::int32_t run_cleanup(std::int32_t n, curvix_sounding* records, const CleanupParams& params,
                         std::int32_t* accepted_count, std::int32_t* rejected_count,
                         const CleanupObserver* observer = nullptr);

}  // namespace curvix

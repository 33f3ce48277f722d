// The exported coverage function, bound at load time to the build for this CPU (see Keys.cpp).
#include "curvix/CpuDispatch.h"
#include "curvix/KeyVariants.h"
#include "curvix/curvix.h"

namespace {

using Cover = void(double, double, double, double, int32_t*, uint64_t*, uint64_t*, uint64_t*,
                   uint64_t*, uint64_t*, double*, double*, double*, double*);

}  // namespace

extern "C" {

CURVIX_UNINSTRUMENTED Cover* curvix_resolve_coverage() {
  return curvix::cpu_has_fast_pdep() ? curvix::bmi2::coverage : curvix::portable::coverage;
}

CURVIX_API void coverage(double x1, double y1, double x2, double y2, int32_t* count,
                         uint64_t* mask, uint64_t* ka, uint64_t* kb, uint64_t* kc, uint64_t* kd,
                         double* llx, double* lly, double* urx, double* ury)
    __attribute__((ifunc("curvix_resolve_coverage")));

}  // extern "C"

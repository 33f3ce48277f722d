// The exported key functions. Each is a GNU indirect function: the dynamic linker asks its
// resolver once, when it relocates the library, which build this CPU runs, and binds the name
// straight to it, so a call costs no more than any call into a shared library.
#include "curvix/CpuDispatch.h"
#include "curvix/KeyVariants.h"
#include "curvix/curvix.h"

namespace {

using Encode = void(double, double, int32_t, uint64_t*);
using Decode = void(uint64_t, double*, double*, int32_t);

}  // namespace

extern "C" {

CURVIX_UNINSTRUMENTED Encode* curvix_resolve_polar2pn() {
  return curvix::cpu_has_fast_pdep() ? curvix::bmi2::polar2pn : curvix::portable::polar2pn;
}
CURVIX_UNINSTRUMENTED Decode* curvix_resolve_lowleft() {
  return curvix::cpu_has_fast_pdep() ? curvix::bmi2::lowleft : curvix::portable::lowleft;
}
CURVIX_UNINSTRUMENTED Decode* curvix_resolve_centre() {
  return curvix::cpu_has_fast_pdep() ? curvix::bmi2::centre : curvix::portable::centre;
}
CURVIX_UNINSTRUMENTED Decode* curvix_resolve_topright() {
  return curvix::cpu_has_fast_pdep() ? curvix::bmi2::topright : curvix::portable::topright;
}

CURVIX_API void polar2pn(double x, double y, int32_t nbits, uint64_t* key)
    __attribute__((ifunc("curvix_resolve_polar2pn")));
CURVIX_API void pn2polar_lowleft(uint64_t key, double* x, double* y, int32_t nbits)
    __attribute__((ifunc("curvix_resolve_lowleft")));
CURVIX_API void pn2polar_centre(uint64_t key, double* x, double* y, int32_t nbits)
    __attribute__((ifunc("curvix_resolve_centre")));
CURVIX_API void pn2polar_topright(uint64_t key, double* x, double* y, int32_t nbits)
    __attribute__((ifunc("curvix_resolve_topright")));

}  // extern "C"

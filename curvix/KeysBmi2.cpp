// The key functions with pdep/pext; this file alone is built with -mbmi2 and runs only where
// the CPU has it.
#include "curvix/Coverage.h"
#include "curvix/KeyCodec.h"
#include "curvix/KeyVariants.h"

#if !defined(__BMI2__)
#error "KeysBmi2.cpp must be built with -mbmi2"
#endif

namespace curvix::bmi2 {
#include "curvix/KeyVariant.inc"
}  // namespace curvix::bmi2

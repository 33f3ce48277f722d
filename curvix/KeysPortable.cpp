// The key functions for any x86-64 CPU.
#include "curvix/Coverage.h"
#include "curvix/KeyCodec.h"
#include "curvix/KeyVariants.h"

#if defined(__BMI2__)
#error "KeysPortable.cpp must be built for the baseline instruction set"
#endif

namespace curvix::portable {
#include "curvix/KeyVariant.inc"
}  // namespace curvix::portable

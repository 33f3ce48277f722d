// Which build of the key functions this CPU runs. Private to curvix.
#pragma once

// Keeps a function free of sanitizer and coverage instrumentation: the exports' resolvers run
// while the dynamic linker relocates the library, before any sanitizer run time is set up.
#if defined(__clang__)
#define CURVIX_UNINSTRUMENTED \
  __attribute__((no_sanitize("address", "thread", "undefined", "coverage")))
#else
#define CURVIX_UNINSTRUMENTED __attribute__((no_sanitize("address", "thread", "undefined")))
#endif

namespace curvix {

// True where the CPU has BMI2 and its pdep/pext are fast: every Intel CPU with BMI2 and AMD from
// family 19h (Zen 3) on; earlier AMD microcodes them at tens of cycles, slower than plain shifts.
// Reads only CPUID: it runs before the library's relocations are all done.
CURVIX_UNINSTRUMENTED bool cpu_has_fast_pdep();

}  // namespace curvix

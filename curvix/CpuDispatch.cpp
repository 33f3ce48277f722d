#include "curvix/CpuDispatch.h"

#include <cpuid.h>

namespace curvix {

CURVIX_UNINSTRUMENTED bool cpu_has_fast_pdep() {
  unsigned eax = 0;
  unsigned ebx = 0;
  unsigned ecx = 0;
  unsigned edx = 0;
  __cpuid(0, eax, ebx, ecx, edx);
  if (eax < 7) {
    return false;
  }
  // "AuthenticAMD", and Hygon's "HygonGenuine" (Dhyana, family 18h, is a Zen 1), as CPUID
  // returns them in ebx, edx, ecx.
  const bool amd = ebx == 0x68747541 && edx == 0x69746E65 && ecx == 0x444D4163;
  const bool hygon = ebx == 0x6F677948 && edx == 0x6E65476E && ecx == 0x656E6975;

  __cpuid_count(7, 0, eax, ebx, ecx, edx);
  if ((ebx & (1u << 8)) == 0) {  // BMI2
    return false;
  }
  __cpuid(1, eax, ebx, ecx, edx);
  unsigned family = (eax >> 8) & 0xF;
  if (family == 0xF) {
    family += (eax >> 20) & 0xFF;
  }
  return !(amd || hygon) || family >= 0x19;
}

}  // namespace curvix

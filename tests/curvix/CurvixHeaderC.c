/* The public header compiled as C: it must be plain C, and the record layout must be the
   20-byte one callers pass. */
#include "curvix/curvix.h"

#include <stddef.h>

_Static_assert(sizeof(curvix_sounding) == 20, "a sounding record is 20 bytes");
_Static_assert(offsetof(curvix_sounding, Lat) == 0, "Lat at 0");
_Static_assert(offsetof(curvix_sounding, Lon) == 4, "Lon at 4");
_Static_assert(offsetof(curvix_sounding, Z) == 8, "Z at 8");
_Static_assert(offsetof(curvix_sounding, Weight) == 12, "Weight at 12");
_Static_assert(offsetof(curvix_sounding, Id) == 16, "Id at 16");

int curvix_c_caller(void);

/* Calls every export from C; returns 0 when the results look right. */
int curvix_c_caller(void) {
  uint64_t key = 0;
  double x = 0;
  double y = 0;
  int32_t count = 0;
  uint64_t mask = 0, ka = 0, kb = 0, kc = 0, kd = 0;
  double llx = 0, lly = 0, urx = 0, ury = 0;
  curvix_sounding records[2] = {{0.5f, 0.2f, -10.0f, 1.0f, 1}, {0.5f, 0.2f, -11.0f, 0.0f, 2}};
  int32_t n = 2;
  int32_t accepted = -1;
  int32_t rejected = -1;

  peano_range(0, 360, -90, 90);
  polar2pn(10.5, 59.25, 8, &key);
  if (key != 0x5100000000000000ull) return 1;
  pn2polar_lowleft(key, &x, &y, 8);
  if (x != 0.0 || y < 56.2499 || y > 56.2501) return 2;
  pn2polar_topright(key, &x, &y, 8);
  if (x < 22.4999 || x > 22.5001) return 3;
  pn2polar_centre(key, &x, &y, 8);
  if (x < 11.2499 || x > 11.2501) return 4;
  coverage(10.0, 59.0, 10.6, 59.3, &count, &mask, &ka, &kb, &kc, &kd, &llx, &lly, &urx, &ury);
  if (count != 4 || mask != 0xFFFFC00000000000ull) return 5;
  if (cleanup(&n, records, 3.0f, 0.1f, 0.5f, 1.0f, 2.0f, 0.5f, 50.0f, 0, &accepted, &rejected) != 0)
    return 6;
  if (accepted + rejected != 2 || records[1].Id != -2) return 7;
  return 0;
}

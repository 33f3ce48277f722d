/*
 * curvix: 64-bit Peano (Morton-order) keys over a process-wide key frame, and an outlier filter
 * for soundings. Plain C interface; usable from C and C++.
 *
 * Keys: bit 2k+1 of a key is bit k of the scaled x, bit 2k is bit k of the scaled y; a key of
 * level n (0 ... 64) keeps only its top n bits and names the cell of all positions sharing them.
 * The scaled coordinate of v on an axis lo ... hi is the low 32 bits of
 * trunc((v - lo) / (hi - lo) * 4294967295), computed in extended precision, so values outside
 * the frame wrap around. Levels outside 0 ... 64 are treated as the nearest valid level.
 *
 * Threads: the key frame is shared, unsynchronised state; peano_range must not overlap any other
 * key call. cleanup keeps no state between calls and may run on several threads at once on
 * different record arrays.
 *
 * No function checks its arguments beyond that; nothing is reported except by cleanup's result.
 */
#ifndef CURVIX_CURVIX_H
#define CURVIX_CURVIX_H

#include <stdint.h>

/* The library is built with hidden visibility; these names alone are exported. */
#define CURVIX_API __attribute__((visibility("default")))

#ifdef __cplusplus
extern "C" {
#endif

/* One sounding, 20 bytes, no padding. Weight > 0 marks an active sounding. */
typedef struct curvix_sounding {
  float Lat;      /* north coordinate */
  float Lon;      /* east coordinate */
  float Z;        /* depth or height being cleaned */
  float Weight;   /* quality weight; <= 0 (or NaN): inactive */
  int32_t Id;     /* caller's identifier; its sign on return tells accepted (+) or rejected (-) */
} curvix_sounding;

/* Sets the key frame (initially 0 ... 360 on x, -90 ... 90 on y). */
CURVIX_API void peano_range(double xmin, double xmax, double ymin, double ymax);

/* Key of level nbits of the point (x, y). */
CURVIX_API void polar2pn(double x, double y, int32_t nbits, uint64_t* key);

/* Lower-left corner, centre and upper-right corner of the cell of level nbits named by key. */
CURVIX_API void pn2polar_lowleft(uint64_t key, double* x, double* y, int32_t nbits);
CURVIX_API void pn2polar_centre(uint64_t key, double* x, double* y, int32_t nbits);
CURVIX_API void pn2polar_topright(uint64_t key, double* x, double* y, int32_t nbits);

/*
 * The cells covering the rectangle with corners (x1, y1), (x2, y2): their level as *mask (the top
 * level bits set), the keys ka, kb, kc, kd of the corners (x1, y1), (x2, y2), (x1, y2), (x2, y1)
 * at that level, how many of them are distinct cells (*count: 1 = ka; 2 = ka, kb; 4 = all), and
 * the box from the lower-left corner of ka to the upper-right corner of kb. x2 <= x1 measures the
 * width across the frame's x wrap.
 */
CURVIX_API void coverage(double x1, double y1, double x2, double y2, int32_t* count,
                         uint64_t* mask, uint64_t* ka, uint64_t* kb, uint64_t* kc, uint64_t* kd,
                         double* llx, double* lly, double* urx, double* ury);

/*
 * Separates *count soundings into accepted and rejected ones, in place: records
 * 0 ... *acceptedCount - 1 are the accepted ones (Id made positive), the rest the rejected and
 * inactive ones (Id made negative; Weight made non-negative: the truncated |Weight| for soundings
 * the filter rejected, -Weight for soundings that came in inactive); each group keeps its input
 * order. Returns 0; -1 only when working storage could not be allocated, in which case records
 * and counts are left untouched. A *count below 1 gives two zero counts.
 */
CURVIX_API int32_t cleanup(const int32_t* count, curvix_sounding* records, float SearchRadius,
                           float Tolerance, float MinThreshold, float WeightAtMinZ,
                           float WeightAtMaxZ, float FarWeight, float ThresholdPercent,
                           int32_t MeanOnly, int32_t* acceptedCount, int32_t* rejectedCount);

#ifdef __cplusplus
}
#endif

#endif /* CURVIX_CURVIX_H */

#include "terrain/NormalMap.h"

#include <immintrin.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace velmara {
namespace {

constexpr int Block = 64;

// Round half to even for the small values here, as an add-and-subtract that vectorises.
inline double RoundHalfEven(double v) {
  constexpr double Shift = 4503599627370496.0;  // 2^52
  return (v + Shift) - Shift;
}

inline double Clamp1(double v) { return std::min(1.0, std::max(-1.0, v)); }

inline int32_t Channel(double v) { return static_cast<int32_t>(RoundHalfEven(v * 127.0 + 128.0)); }

inline uint32_t NormalPixel(double h, double hy, double hx, double s) {
  const double nx = (hx - h) * s;
  const double ny = s * (h - hy);
  const double r = 1.0 / std::sqrt(nx * nx + ny * ny + 1.0);
  return static_cast<uint32_t>(Channel(Clamp1(nx * r)) | Channel(Clamp1(ny * r)) << 8 | Channel(r) << 16) |
         0xFF000000u;
}

// Neighbouring heights mostly differ by little: the pixels of every slope (dx, dy) up to `Reach`
// come from a table made with the same formula, so they are the same to the bit; steeper slopes
// are computed one by one.
constexpr int Reach = 63;
constexpr int Side = 2 * Reach + 1;

void BuildSlopeTable(double s, uint32_t* table) {
  for (int dy = -Reach; dy <= Reach; ++dy)
    for (int dx = -Reach; dx <= Reach; ++dx) table[(dy + Reach) * Side + dx + Reach] = NormalPixel(0, -dy, dx, s);
}

// Table pixels of a column segment, 0 where the slope is steeper than the table.
void TableLookupPortable(const int16_t* here, const int16_t* east, int count, const uint32_t* table, uint32_t* out) {
  for (int i = 0; i < count; ++i) {
    const auto x = static_cast<unsigned>(east[i] - here[i] + Reach);
    const auto y = static_cast<unsigned>(here[i] - here[i + 1] + Reach);
    out[i] = (x < unsigned(Side) && y < unsigned(Side)) ? table[y * Side + x] : 0u;
  }
}

// The same, eight pixels at a time with AVX2 gathers.
__attribute__((target("avx2"))) void TableLookupAvx2(const int16_t* here, const int16_t* east, int count,
                                                      const uint32_t* table, uint32_t* out) {
  const __m256i reach = _mm256_set1_epi32(Reach), side = _mm256_set1_epi32(Side), minusOne = _mm256_set1_epi32(-1);
  int i = 0;
  for (; i + 8 <= count; i += 8) {
    const __m256i h = _mm256_cvtepi16_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(here + i)));
    const __m256i north = _mm256_cvtepi16_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(here + i + 1)));
    const __m256i e = _mm256_cvtepi16_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(east + i)));
    const __m256i x = _mm256_add_epi32(_mm256_sub_epi32(e, h), reach);
    const __m256i y = _mm256_add_epi32(_mm256_sub_epi32(h, north), reach);
    const __m256i inside = _mm256_and_si256(_mm256_and_si256(_mm256_cmpgt_epi32(x, minusOne), _mm256_cmpgt_epi32(side, x)),
                                            _mm256_and_si256(_mm256_cmpgt_epi32(y, minusOne), _mm256_cmpgt_epi32(side, y)));
    const __m256i index = _mm256_and_si256(_mm256_add_epi32(_mm256_mullo_epi32(y, side), x), inside);
    const __m256i pixels = _mm256_mask_i32gather_epi32(_mm256_setzero_si256(), reinterpret_cast<const int*>(table), index,
                                                       inside, 4);
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + i), pixels);
  }
  TableLookupPortable(here + i, east + i, count - i, table, out + i);
}

bool HasAvx2() {
  static const bool has = (__builtin_cpu_init(), __builtin_cpu_supports("avx2"));
  return has;
}

// One column segment of `count` pixels, its northern neighbours at here[i + 1].
void ColumnSegment(const int16_t* here, const int16_t* east, int count, double s, const uint32_t* table,
                   uint32_t* out) {
  if (HasAvx2()) TableLookupAvx2(here, east, count, table, out);
  else TableLookupPortable(here, east, count, table, out);
  for (int i = 0; i < count; ++i)
    if (out[i] == 0) out[i] = NormalPixel(here[i], here[i + 1], east[i], s);
}

}  // namespace

// Built in blocks of 64 × 64 pixels: a grid column is contiguous, so a block's column segments
// vectorise; the block is then written to the picture row by row. Pixels are never 0 (alpha 255).
void MakeNormalMap(const int16_t* grid, int n, int normalScale, int minHeight, int maxHeight, uint32_t* out) {
  const double s = maxHeight == minHeight ? 0.0 : double(normalScale) / (maxHeight - minHeight);
  std::vector<uint32_t> table(Side * Side);
  BuildSlopeTable(s, table.data());
  uint32_t block[Block][Block];  // [column][row]
  for (int i0 = 0; i0 < n; i0 += Block) {
    const int rows = std::min(Block, n - i0);
    const bool lastRows = i0 + rows == n;
    for (int j0 = 0; j0 < n; j0 += Block) {
      const int columns = std::min(Block, n - j0);
      for (int jj = 0; jj < columns; ++jj) {
        const int j = j0 + jj;
        const int16_t* here = grid + std::size_t(j) * n;
        const int16_t* east = grid + std::size_t(j + 1 < n ? j + 1 : 0) * n;
        // The last row takes its northern neighbour from the first (the grid wraps).
        const int inner = lastRows ? rows - 1 : rows;
        ColumnSegment(here + i0, east + i0, inner, s, table.data(), block[jj]);
        if (lastRows) block[jj][rows - 1] = NormalPixel(here[n - 1], here[0], east[n - 1], s);
      }
      for (int ii = 0; ii < rows; ++ii) {
        uint32_t* row = out + std::size_t(i0 + ii) * n + j0;
        for (int jj = 0; jj < columns; ++jj) row[jj] = block[jj][ii];
      }
    }
  }
}

}  // namespace velmara

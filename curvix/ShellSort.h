// The filter's shell sort. Its gap sequence and its rule that equal keys are never swapped fix
// where tied entries end up, and the filter's results depend on that (walk order, which of two
// equally far neighbours is dropped), so it is kept exactly rather than replaced by a faster sort.
// Private to curvix.
#pragma once

#include <cstdint>
#include <utility>

namespace curvix {

// Sorts items[0 .. m-1] ascending by key(item) with the gaps m, then 2*(h/8)+1 while h > 15,
// then 2*(h/4)+1, down to 1.
template <class T, class KeyOf>
void shell_sort(T* items, std::int64_t m, KeyOf key) {
  std::int64_t h = m;
  while (h > 1) {
    h = h > 15 ? 2 * (h / 8) + 1 : 2 * (h / 4) + 1;
    for (std::int64_t i = 0; i < m - h; ++i) {
      for (std::int64_t j = i; j >= 0 && key(items[j]) > key(items[j + h]); j -= h) {
        std::swap(items[j], items[j + h]);
      }
    }
  }
}

}  // namespace curvix

// A heap array of plain values for the filter's working storage. Built on malloc so that the
// library needs no C++ run-time library, and allocation failure is a result, not an exception.
// Private to curvix.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <type_traits>

namespace curvix {

template <class T>
class Buffer {
  static_assert(std::is_trivially_copyable_v<T> && std::is_trivially_destructible_v<T>);

 public:
  Buffer() = default;
  Buffer(const Buffer&) = delete;
  Buffer& operator=(const Buffer&) = delete;
  ~Buffer() { std::free(data_); }

  // Replaces the contents with count uninitialised values; false when memory is short.
  [[nodiscard]] bool allocate(std::size_t count) {
    std::free(data_);
    data_ = nullptr;
    if (count > SIZE_MAX / sizeof(T)) {
      return false;
    }
    data_ = static_cast<T*>(std::malloc(count == 0 ? 1 : count * sizeof(T)));
    return data_ != nullptr;
  }

  T* data() { return data_; }
  const T* data() const { return data_; }
  T& operator[](std::size_t i) { return data_[i]; }
  const T& operator[](std::size_t i) const { return data_[i]; }

 private:
  T* data_ = nullptr;
};

}  // namespace curvix

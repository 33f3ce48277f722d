#pragma once
// A process-wide unique number for a piece of CPU-side data (an image, a mesh) that the renderer
// mirrors on the graphics card. A copy is different data, so it gets a number of its own; numbers
// are never reused, so a renderer cache keyed by them cannot confuse new data with freed data.

#include <atomic>
#include <cstdint>

namespace velmara::scene {

class ResourceId {
public:
  ResourceId() noexcept : value_(next()) {}
  ResourceId(const ResourceId&) noexcept : value_(next()) {}
  ResourceId& operator=(const ResourceId&) noexcept {
    value_ = next();
    return *this;
  }
  std::uint64_t value() const noexcept { return value_; }

private:
  static std::uint64_t next() noexcept {
    static std::atomic<std::uint64_t> counter{0};
    return ++counter;
  }
  std::uint64_t value_;
};

}  // namespace velmara::scene

#pragma once
// The outcome of an operation that can fail for reasons outside the programmer's control (a
// shader that does not compile, a file that cannot be read): a value, or a message saying why not.

#include <optional>
#include <string>
#include <utility>

namespace velmara::scene {

template <typename T>
class Result {
public:
  Result(T value) : value_(std::move(value)) {}  // NOLINT: implicit on purpose, `return value;`
  static Result failure(std::string message) {
    Result result;
    result.error_ = std::move(message);
    return result;
  }

  explicit operator bool() const { return value_.has_value(); }
  bool ok() const { return value_.has_value(); }
  T& value() & { return *value_; }
  const T& value() const& { return *value_; }
  T&& value() && { return std::move(*value_); }
  T* operator->() { return &*value_; }
  const T* operator->() const { return &*value_; }
  // Empty when the operation succeeded.
  const std::string& error() const { return error_; }

private:
  Result() = default;
  std::optional<T> value_;
  std::string error_;
};

}  // namespace velmara::scene

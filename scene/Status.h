#pragma once
// Success, or a message saying what went wrong, for operations that produce nothing else.

#include <string>
#include <utility>

namespace velmara::scene {

class Status {
public:
  static Status success() { return Status(); }
  static Status failure(std::string message) {
    Status status;
    status.ok_ = false;
    status.error_ = std::move(message);
    return status;
  }

  bool ok() const { return ok_; }
  explicit operator bool() const { return ok_; }
  const std::string& error() const { return error_; }

private:
  Status() = default;
  bool ok_ = true;
  std::string error_;
};

}  // namespace velmara::scene

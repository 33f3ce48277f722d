#pragma once
// Gives a test its own shared-memory names and its own message-port folder, so test programs that
// run side by side (and a real logging program) never see each other's blocks and ports.

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace velmara::test {

class IsolatedNames {
public:
  IsolatedNames() {
    static int counter = 0;
    prefix_ = "vtest" + std::to_string(::getpid()) + "_" + std::to_string(++counter) + "_";
    runtimeDir_ = std::filesystem::temp_directory_path() / ("velmara-rt-" + prefix_);
    std::filesystem::create_directories(runtimeDir_);
    ::setenv("VELMARA_SHM_PREFIX", prefix_.c_str(), 1);
    ::setenv("XDG_RUNTIME_DIR", runtimeDir_.c_str(), 1);
  }
  ~IsolatedNames() {
    ::unsetenv("VELMARA_SHM_PREFIX");
    std::error_code ec;
    std::filesystem::remove_all(runtimeDir_, ec);
  }
  IsolatedNames(const IsolatedNames&) = delete;
  IsolatedNames& operator=(const IsolatedNames&) = delete;

  const std::string& prefix() const { return prefix_; }
  const std::filesystem::path& runtimeDir() const { return runtimeDir_; }

private:
  std::string prefix_;
  std::filesystem::path runtimeDir_;
};

}  // namespace velmara::test

#include "platform/ProgramDir.h"

#include <unistd.h>

#include <cstdlib>
#include <system_error>

namespace velmara {

const std::filesystem::path& ProgramDir() {
  static const std::filesystem::path dir = [] {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::current_path() : exe.parent_path();
  }();
  return dir;
}

std::filesystem::path DataDir() { return ProgramDir() / "data"; }

std::filesystem::path ChooseUserDir(const std::filesystem::path& programDir, bool programDirWritable,
                                    const char* xdgDataHome, const char* home) {
  if (programDirWritable) return programDir;
  if (xdgDataHome && *xdgDataHome) return std::filesystem::path(xdgDataHome) / "velmara";
  if (home && *home) return std::filesystem::path(home) / ".local/share/velmara";
  return std::filesystem::temp_directory_path() / "velmara";
}

std::filesystem::path UserDir() {
  return ChooseUserDir(ProgramDir(), ::access(ProgramDir().c_str(), W_OK) == 0, std::getenv("XDG_DATA_HOME"),
                       std::getenv("HOME"));
}

}  // namespace velmara

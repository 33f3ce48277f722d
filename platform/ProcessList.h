#pragma once
// Whether a program is running, by its name: the stand-in for the process snapshot behind the
// status lamps. A Windows-style name ("Nautbase.exe") matches the Linux program "Nautbase".

#include <filesystem>
#include <string_view>

namespace velmara::platform {

// Scans procRoot (normally /proc) for a process whose program name is `name`, compared without
// case and without an ".exe" ending; the kernel's 15-character short names match too.
bool IsProcessRunning(std::string_view name, const std::filesystem::path& procRoot = "/proc");

}  // namespace velmara::platform

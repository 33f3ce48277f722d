#include "platform/ProcessList.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <string>
#include <system_error>

namespace velmara::platform {
namespace {

std::string ProgramName(std::string_view name) {
  std::string lowered;
  for (char c : name) lowered.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
  if (lowered.size() > 4 && lowered.ends_with(".exe")) lowered.resize(lowered.size() - 4);
  return lowered;
}

std::string FirstLine(const std::filesystem::path& file, char end) {
  std::ifstream in(file, std::ios::binary);
  std::string line;
  std::getline(in, line, end);
  return line;
}

bool AllDigits(const std::string& text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); });
}

}  // namespace

bool IsProcessRunning(std::string_view name, const std::filesystem::path& procRoot) {
  const std::string wanted = ProgramName(name);
  if (wanted.empty()) return false;
  constexpr std::size_t KernelNameLength = 15;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(procRoot, ec)) {
    if (!AllDigits(entry.path().filename().string())) continue;
    // argv[0] carries the whole name; comm is cut to 15 characters.
    const std::string argv0 = FirstLine(entry.path() / "cmdline", '\0');
    if (!argv0.empty() && ProgramName(std::filesystem::path(argv0).filename().string()) == wanted) return true;
    const std::string comm = ProgramName(FirstLine(entry.path() / "comm", '\n'));
    if (!comm.empty() && comm == wanted.substr(0, KernelNameLength)) return true;
  }
  return false;
}

}  // namespace velmara::platform

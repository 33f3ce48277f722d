#include "app/settings/ProfileStore.h"

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <iterator>
#include <system_error>

namespace velmara {
namespace fs = std::filesystem;

namespace {

// A profile is a handful of short lines; anything far larger is not one, and is not read whole.
constexpr std::uintmax_t kMaxProfileBytes = 64 * 1024;

constexpr std::string_view kReadFailure = "Could not read saved settings. ";
constexpr std::string_view kWriteFailure = "settings File could not be written.   ";

// A name that stays a file inside the folder: no separators of either system, no NUL.
bool StaysInFolder(std::string_view name) {
  return !name.empty() && name != "." && name != ".." && name.find_first_of(std::string_view("/\\\0", 3)) == name.npos;
}

bool HoldsControlCharacter(std::string_view name) {
  return std::any_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < ' ' || c == 0x7F; });
}

std::string Lowered(std::string_view text) {
  std::string lowered(text);
  for (char& c : lowered) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lowered;
}

std::string ErrnoText(int code) { return std::generic_category().message(code); }

}  // namespace

std::string_view SystemProfileName(bool inshore) { return inshore ? InshoreProfile : DeepSeaProfile; }

std::string TrimProfileName(std::string_view name) {
  while (!name.empty() && static_cast<unsigned char>(name.front()) <= ' ') name.remove_prefix(1);
  while (!name.empty() && static_cast<unsigned char>(name.back()) <= ' ') name.remove_suffix(1);
  return std::string(name);
}

bool IsSystemProfile(std::string_view name) {
  const std::string trimmed = TrimProfileName(name);
  return trimmed == InshoreProfile || trimmed == DeepSeaProfile;
}

fs::path ProfilePath(const fs::path& folder, std::string_view name) {
  return folder / (std::string(name) + std::string(ProfileExtension));
}

std::vector<std::string> ListProfiles(const fs::path& folder) {
  std::vector<std::string> names;
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    std::error_code ignored;
    if (!it->is_regular_file(ignored)) continue;
    const std::string file = it->path().filename().string();
    if (file.size() > ProfileExtension.size() && file.ends_with(ProfileExtension)) {
      names.push_back(file.substr(0, file.size() - ProfileExtension.size()));
    }
  }
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    const std::string la = Lowered(a), lb = Lowered(b);
    return la != lb ? la < lb : a < b;
  });
  if (names.empty()) names.emplace_back(UntitledProfile);
  return names;
}

std::optional<std::string> ProfileToSelect(std::string_view text, const std::vector<std::string>& listed) {
  const std::string trimmed = TrimProfileName(text);
  for (const std::string& name : listed) {
    if (name == text || name == trimmed) return trimmed;
  }
  return std::nullopt;
}

TProfileText ReadProfile(const fs::path& file) {
  TProfileText result;
  std::error_code error;
  const std::uintmax_t size = fs::file_size(file, error);
  if (error) {
    result.error = file.string() + ": " + error.message();
    return result;
  }
  if (size > kMaxProfileBytes) {
    result.error = file.string() + " is too large for a settings profile";
    return result;
  }
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    result.error = file.string() + ": " + ErrnoText(errno);
    return result;
  }
  const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) {
    result.error = file.string() + ": the file could not be read";
    return result;
  }
  result = ParseProfileText(text);
  return result;
}

TAppliedProfile ApplyProfile(const fs::path& folder, std::string_view name, bool inshore) {
  TAppliedProfile applied;
  applied.settings = ProfileDefaults(inshore);
  const std::string trimmed = TrimProfileName(name);
  std::error_code error;
  if (StaysInFolder(trimmed) && fs::is_regular_file(ProfilePath(folder, trimmed), error)) {
    applied.fileFound = true;
    const TProfileText read = ReadProfile(ProfilePath(folder, trimmed));
    if (read.ok) {
      applied.settings = read.profile;
    } else {
      applied.message = std::string(kReadFailure) + read.error;
    }
  }
  applied.pressAuto = CorrectProfile(applied.settings, inshore).depthRangeReplaced;
  return applied;
}

TSavedProfile SaveProfile(const fs::path& folder, std::string_view typedName, const TSettingsProfile& profile) {
  TSavedProfile saved;
  saved.name = TrimProfileName(typedName);
  auto failed = [&](const std::string& why) {
    saved.message = std::string(kWriteFailure) + why;
    return saved;
  };
  if (saved.name.empty()) return failed("The profile has no name");
  if (!StaysInFolder(saved.name) || HoldsControlCharacter(saved.name)) {
    return failed("A profile name cannot hold '/', '\\' or control characters");
  }
  if (const std::string problem = ProfileProblem(profile); !problem.empty()) return failed(problem);

  std::error_code error;
  fs::create_directories(folder, error);
  if (error) return failed(folder.string() + ": " + error.message());

  // Written beside the profile, then moved over it: a full disk leaves the old profile intact.
  const fs::path file = ProfilePath(folder, saved.name);
  fs::path temporary = file;
  temporary += ".part";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) return failed(temporary.string() + ": " + ErrnoText(errno));
    out << ProfileText(profile);
    out.close();
    if (!out) {
      const int code = errno;
      fs::remove(temporary, error);
      return failed(temporary.string() + ": " + ErrnoText(code));
    }
  }
  fs::rename(temporary, file, error);
  if (error) {
    const std::string why = file.string() + ": " + error.message();
    std::error_code ignored;
    fs::remove(temporary, ignored);
    return failed(why);
  }
  saved.ok = true;
  return saved;
}

TDeletedProfile DeleteProfile(const fs::path& folder, std::string_view currentName) {
  TDeletedProfile deleted;
  if (IsSystemProfile(currentName)) {
    deleted.outcome = TProfileDeletion::SystemProfile;
    deleted.message = "Can not delete a system profile";
    return deleted;
  }
  const std::string name = TrimProfileName(currentName);
  if (!StaysInFolder(name)) return deleted;
  const fs::path file = ProfilePath(folder, name);
  std::error_code error;
  const fs::file_status status = fs::symlink_status(file, error);
  if (error || !(fs::is_regular_file(status) || fs::is_symlink(status))) return deleted;
  const bool removed = fs::remove(file, error);
  if (error) {
    deleted.outcome = TProfileDeletion::Failed;
    deleted.message = "The profile " + name + " could not be deleted: " + error.message();
    return deleted;
  }
  if (removed) deleted.outcome = TProfileDeletion::Deleted;
  return deleted;
}

}  // namespace velmara

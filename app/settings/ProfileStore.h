#pragma once
// The settings profiles of a folder (the program's data folder): "<name>.sett" files, listed for
// the profile box, applied, saved and deleted with the rules and messages the skipper sees. The
// two system profiles, "#Inshore" and "#DeepSea", belong to the operating scales and cannot be
// deleted. Plain functions over the file system; the caller shows the messages. Main thread.

#include "app/settings/SettingsProfile.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmara {

inline constexpr std::string_view InshoreProfile = "#Inshore";
inline constexpr std::string_view DeepSeaProfile = "#DeepSea";
inline constexpr std::string_view UntitledProfile = "Untitled";
inline constexpr std::string_view ProfileExtension = ".sett";

// "#Inshore" or "#DeepSea" by the operating scale.
std::string_view SystemProfileName(bool inshore);
// Whether the (trimmed) name is one of the two system profiles.
bool IsSystemProfile(std::string_view name);
// The name without leading and trailing blanks and control characters.
std::string TrimProfileName(std::string_view name);
// The profile file of a (trimmed) name in the folder.
std::filesystem::path ProfilePath(const std::filesystem::path& folder, std::string_view name);

// The names of the "*.sett" files directly in the folder, without the extension, sorted without
// regard to case; "Untitled" alone when there are none (or the folder is missing).
std::vector<std::string> ListProfiles(const std::filesystem::path& folder);

// The profile to apply for a typed or chosen text of the profile box: the trimmed text when it
// is one of the listed names; nothing otherwise.
std::optional<std::string> ProfileToSelect(std::string_view text, const std::vector<std::string>& listed);

struct TAppliedProfile {
  TSettingsProfile settings;   // the defaults, then the file's values, then corrected
  bool fileFound = false;      // false: there was no file, the defaults stand
  bool pressAuto = false;      // the depth range was replaced: press "Auto" after the next frame
  std::string message;         // "Could not read saved settings. " + why; empty when all is well
};

// Selecting a profile: the defaults for the operating scale, overwritten by the values of the
// profile's file when it exists and reads, then corrected (CorrectProfile). A file that does not
// read leaves the defaults and says why.
TAppliedProfile ApplyProfile(const std::filesystem::path& folder, std::string_view name, bool inshore);

// Reads a profile file as it is, without defaults or corrections.
TProfileText ReadProfile(const std::filesystem::path& file);

struct TSavedProfile {
  bool ok = false;
  std::string name;     // the trimmed name, to list and select
  std::string message;  // "settings File could not be written.   " + why; empty when ok
};

// "Save settings profile": the typed name is trimmed and the profile written under it (through a
// temporary file, so a failed write keeps the old profile). Empty names and names that hold a
// path separator or a control character are refused with the same message.
TSavedProfile SaveProfile(const std::filesystem::path& folder, std::string_view typedName,
                          const TSettingsProfile& profile);

enum class TProfileDeletion {
  Deleted,        // refill the list, select its first entry and apply it
  SystemProfile,  // show the message; the file stays
  NoFile,         // the file is already gone: nothing happens
  Failed,         // show the message
};
struct TDeletedProfile {
  TProfileDeletion outcome = TProfileDeletion::NoFile;
  std::string message;  // "Can not delete a system profile", or why the file could not go
};

// "Delete current profile".
TDeletedProfile DeleteProfile(const std::filesystem::path& folder, std::string_view currentName);

}  // namespace velmara

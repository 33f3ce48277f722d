#pragma once
// Where the program's files live. ProgramDir is the folder holding the executable with its data/
// folder beside it (in the build tree too). Files the user writes go under ProgramDir when it is
// writable, else under the XDG data directory with the same layout.

#include <filesystem>

namespace velmara {

// The folder of the running executable, resolved once.
const std::filesystem::path& ProgramDir();

// ProgramDir()/data: the shipped data sources.
std::filesystem::path DataDir();

// The writable root for profiles, palettes, net files, the database and the error log:
// ProgramDir() when it can be written, else $XDG_DATA_HOME/velmara (~/.local/share/velmara).
std::filesystem::path UserDir();

// The rule behind UserDir(), for a given program folder and environment; creates nothing.
std::filesystem::path ChooseUserDir(const std::filesystem::path& programDir, bool programDirWritable,
                                    const char* xdgDataHome, const char* home);

}  // namespace velmara

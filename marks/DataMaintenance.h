#pragma once
// The "Data Maintenance" commands: they start the separate database-maintenance program from the
// program's folder, without waiting for it. The confirmations are the window's to ask.

#include <filesystem>

namespace velmara {

enum class TMaintenanceCommand { Backup, Restore, Validate };

inline constexpr const char* kMaintenanceProgram = "mendory";
inline constexpr const char* kRestoreConfirmation =
    "Please note Velmara will close following this message to allow the restore wizard to restore. "
    "Ok to proceed";
inline constexpr const char* kValidateConfirmation =
    "Please note Velmara will close following this message to allow for validation of database. Ok "
    "to proceed";

// The switch for the command: none, "/r" or "/v".
const char* MaintenanceSwitch(TMaintenanceCommand command);

// Starts programDir/mendory with the command's switch; false (and nothing done) when the program is
// not there or cannot be started.
bool StartMaintenance(TMaintenanceCommand command, const std::filesystem::path& programDir);

}  // namespace velmara

#include "marks/DataMaintenance.h"

#include <QProcess>
#include <QStringList>

namespace velmara {

const char* MaintenanceSwitch(TMaintenanceCommand command) {
  switch (command) {
    case TMaintenanceCommand::Restore: return "/r";
    case TMaintenanceCommand::Validate: return "/v";
    case TMaintenanceCommand::Backup: break;
  }
  return "";
}

bool StartMaintenance(TMaintenanceCommand command, const std::filesystem::path& programDir) {
  const std::filesystem::path program = programDir / kMaintenanceProgram;
  std::error_code ec;
  if (!std::filesystem::is_regular_file(program, ec)) return false;
  QStringList arguments;
  if (const char* flag = MaintenanceSwitch(command); *flag != '\0') arguments << QString::fromLatin1(flag);
  return QProcess::startDetached(QString::fromStdString(program.string()), arguments);
}

}  // namespace velmara

#include "marks/DatabaseSettings.h"

#include "platform/ProgramDir.h"

namespace velmara {

std::filesystem::path DefaultDatabasePath() { return UserDir() / "data" / "Bathymetry.FDB"; }

TDatabaseSettings DefaultDatabaseSettings() { return EmbeddedDatabaseSettings(DefaultDatabasePath()); }

TDatabaseSettings EmbeddedDatabaseSettings(const std::filesystem::path& file) {
  TDatabaseSettings settings;
  settings.Database = file.string();
  return settings;
}

bool NamesServer(const std::string& database) {
  // Linux paths have no drive letters: a colon names a host ("host:" or "host/port:") unless the
  // text is plainly a path of this machine.
  if (database.empty() || database.front() == '/' || database.front() == '.') return false;
  const auto colon = database.find(':');
  return colon != std::string::npos && colon > 0;
}

}  // namespace velmara

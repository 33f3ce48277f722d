#pragma once
// Where the database is and how to log in: settings, never constants of the code.

#include <filesystem>
#include <string>

namespace velmara {

struct TDatabaseSettings {
  // A file path for the embedded engine, or "host:/path/Bathymetry.FDB" for a Firebird server.
  std::string Database;
  std::string User = "SYSDBA";
  std::string Password;  // the embedded engine ignores it
  std::string Charset = "UTF8";
};

// UserDir()/data/Bathymetry.FDB.
std::filesystem::path DefaultDatabasePath();
TDatabaseSettings DefaultDatabaseSettings();
TDatabaseSettings EmbeddedDatabaseSettings(const std::filesystem::path& file);

// True when the connect string names a host before the path ("host:/path", "host/3050:/path").
bool NamesServer(const std::string& database);

}  // namespace velmara

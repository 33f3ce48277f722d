#pragma once
// Creates an empty database file through the Firebird client library: the SQL driver can only
// attach to databases that exist.

#include <string>

#include "marks/DatabaseSettings.h"

namespace velmara {

// Creates settings.Database (page size 8192, default character set UTF8). On failure returns false
// with the engine's message in `error`; an existing file is never overwritten.
bool CreateDatabaseFile(const TDatabaseSettings& settings, std::string& error);

}  // namespace velmara

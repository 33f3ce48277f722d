#pragma once
// Test-only access to the engine beside the SQL driver: switching a database to read-only.

#include <filesystem>
#include <string>

namespace velmara::test {

// Sets the database's read-only mode; false with the engine's message in `error`.
bool SetDatabaseReadOnly(const std::filesystem::path& file, bool readOnly, std::string& error);

}  // namespace velmara::test

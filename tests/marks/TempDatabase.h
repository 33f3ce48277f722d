#pragma once
// A test's own folder with a database path inside it, removed with everything in it afterwards.

#include <filesystem>

#include "marks/DatabaseSettings.h"

namespace velmara::test {

class TempDatabase {
public:
  TempDatabase();
  ~TempDatabase();
  TempDatabase(const TempDatabase&) = delete;
  TempDatabase& operator=(const TempDatabase&) = delete;

  const std::filesystem::path& folder() const { return folder_; }
  const std::filesystem::path& file() const { return file_; }
  TDatabaseSettings settings() const { return EmbeddedDatabaseSettings(file_); }

private:
  std::filesystem::path folder_;
  std::filesystem::path file_;
};

}  // namespace velmara::test

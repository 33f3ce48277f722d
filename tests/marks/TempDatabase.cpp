#include "tests/marks/TempDatabase.h"

#include <unistd.h>

#include <string>

namespace velmara::test {

TempDatabase::TempDatabase() {
  static int counter = 0;
  folder_ = std::filesystem::temp_directory_path() /
            ("velmara-db-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
  std::filesystem::remove_all(folder_);
  std::filesystem::create_directories(folder_);
  file_ = folder_ / "data" / "Bathymetry.FDB";
}

TempDatabase::~TempDatabase() {
  std::error_code ec;
  std::filesystem::permissions(folder_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ec);
  std::filesystem::remove_all(folder_, ec);
}

}  // namespace velmara::test

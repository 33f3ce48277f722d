// Where the database is: embedded file paths against server connect strings.
#include <gtest/gtest.h>

#include "marks/DatabaseSettings.h"
#include "platform/ProgramDir.h"

namespace velmara {
namespace {

TEST(DatabaseSettings, ConnectStringsWithAHostUseAServer) {
  const std::pair<const char*, bool> cases[] = {
      {"/home/skipper/velmara/data/Bathymetry.FDB", false},
      {"data/Bathymetry.FDB", false},
      {"/odd:name/Bathymetry.FDB", false},
      {"Bathymetry.FDB", false},
      {"wheelhouse:/srv/velmara/Bathymetry.FDB", true},
      {"192.168.1.20/3050:/srv/Bathymetry.FDB", true},
      {"localhost:Bathymetry", true},
  };
  for (const auto& [database, server] : cases) EXPECT_EQ(NamesServer(database), server) << database;
}

TEST(DatabaseSettings, DefaultsToTheUserDataFolderAsSysdba) {
  const TDatabaseSettings settings = DefaultDatabaseSettings();
  EXPECT_EQ(settings.Database, (UserDir() / "data" / "Bathymetry.FDB").string());
  EXPECT_EQ(settings.User, "SYSDBA");
  EXPECT_EQ(settings.Charset, "UTF8");
}

}  // namespace
}  // namespace velmara

// The maintenance commands start the outside program with their switch, or do nothing without it.
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

#include "marks/DataMaintenance.h"
#include "tests/marks/TempDatabase.h"

namespace velmara::test {
namespace {

TEST(DataMaintenance, DoesNothingWhenTheProgramIsMissing) {
  TempDatabase folder;
  EXPECT_FALSE(StartMaintenance(TMaintenanceCommand::Restore, folder.folder()));
}

TEST(DataMaintenance, StartsTheProgramWithTheCommandsSwitch) {
  const std::pair<TMaintenanceCommand, std::string> cases[] = {
      {TMaintenanceCommand::Backup, ""}, {TMaintenanceCommand::Restore, "/r"}, {TMaintenanceCommand::Validate, "/v"}};
  for (const auto& [command, expected] : cases) {
    TempDatabase folder;
    const auto program = folder.folder() / kMaintenanceProgram;
    const auto record = folder.folder() / "arguments.txt";
    {
      std::ofstream script(program);
      script << "#!/bin/sh\necho \"[$*]\" > '" << record.string() << ".part'\nmv '" << record.string()
             << ".part' '" << record.string() << "'\n";
    }
    std::filesystem::permissions(program, std::filesystem::perms::owner_all);
    ASSERT_TRUE(StartMaintenance(command, folder.folder()));
    // The program runs on its own; wait for what it wrote (the test's time limit bounds the wait).
    while (!std::filesystem::exists(record)) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    std::ifstream in(record);
    std::string line;
    std::getline(in, line);
    EXPECT_EQ(line, "[" + expected + "]");
  }
}

}  // namespace
}  // namespace velmara::test

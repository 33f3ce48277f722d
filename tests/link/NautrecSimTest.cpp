// The logging program's stand-in: its NMEA replay, its scripted run, and a real nautrec-sim process
// driving the chart's reader in this process.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

#include "link/ShipDataX.h"
#include "platform/ProgramDir.h"
#include "tests/support/IsolatedNames.h"
#include "tools/nautrec/NmeaReplay.h"
#include "tools/nautrec/VesselScript.h"

namespace velmara {
namespace {

using nautrec::NmeaReplay;
using Line = NmeaReplay::Line;

struct NmeaCase {
  const char* name;
  const char* line;
  Line result;
};

const NmeaCase NmeaCases[] = {
    {"gga_fix", "$GPGGA,123519,6230.000,N,00515.000,E,1,08,0.9,545.4,M,46.9,M,,*43", Line::PositionFix},
    {"rmc_fix", "$GPRMC,123519,A,4130.000,S,07115.000,W,4.5,084.4,230394,003.1,W*66", Line::PositionFix},
    {"heading", "$HEHDT,274.5,T*2B", Line::Accepted},
    {"course_and_speed", "$GPVTG,054.7,T,034.4,M,005.5,N,010.2,K*48", Line::Accepted},
    {"depth_dpt", "$SDDPT,152.3,0.5*57", Line::Accepted},
    {"depth_dbt", "$SDDBT,328.1,f,100.0,M,54.7,F*39", Line::Accepted},
    {"bad_checksum", "$GPGGA,123519,6230.000,N,00515.000,E,1,08,0.9,545.4,M,46.9,M,,*44", Line::Malformed},
    {"short_gga", "$GPGGA,123519,6230.000,N*20", Line::Malformed},
    {"checksum_not_hex", "$HEHDT,274.5,T*ZZ", Line::Malformed},
    {"unknown_sentence", "$GPGSV,3,1,11,03,03,111,00*4A", Line::Ignored},
    {"not_nmea", "hello", Line::Ignored},
};

void PrintTo(const NmeaCase& c, std::ostream* os) { *os << c.name; }

class NmeaLineTest : public ::testing::TestWithParam<NmeaCase> {};

TEST_P(NmeaLineTest, Classifies) {
  NmeaReplay replay;
  nautrec::VesselState state;
  EXPECT_EQ(replay.Feed(GetParam().line, state), GetParam().result);
  EXPECT_EQ(replay.malformed(), GetParam().result == Line::Malformed ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Lines, NmeaLineTest, ::testing::ValuesIn(NmeaCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(NmeaReplay, ReadsPositionHeadingSpeedDepthAndStatus) {
  NmeaReplay replay;
  nautrec::VesselState state;
  replay.Feed("$GPGGA,123519,6230.000,N,00515.000,E,1,08,0.9,545.4,M,46.9,M,,*43\r\n", state);
  EXPECT_DOUBLE_EQ(state.lat, 62.5);
  EXPECT_DOUBLE_EQ(state.lon, 5.25);
  replay.Feed("$GPRMC,123519,A,4130.000,S,07115.000,W,4.5,084.4,230394,003.1,W*66", state);
  EXPECT_DOUBLE_EQ(state.lat, -41.5);
  EXPECT_DOUBLE_EQ(state.lon, -71.25);
  EXPECT_DOUBLE_EQ(state.speedKnots, 4.5);
  EXPECT_DOUBLE_EQ(state.heading, 84.4);
  replay.Feed("$HEHDT,274.5,T*2B", state);
  EXPECT_DOUBLE_EQ(state.heading, 274.5);
  replay.Feed("$SDDPT,152.3,0.5*57", state);
  EXPECT_DOUBLE_EQ(replay.depth(), 152.8);
  replay.Feed("$SDDBT,328.1,f,100.0,M,54.7,F*39", state);
  EXPECT_DOUBLE_EQ(replay.depth(), 100.0);
  EXPECT_EQ(state.status, 0);

  // A lost fix keeps the last position and raises "no new position"; a missing date "invalid date".
  replay.Feed("$GPGGA,123519,6230.000,N,00515.000,E,0,00,,,M,,M,,*56", state);
  EXPECT_DOUBLE_EQ(state.lat, -41.5);
  EXPECT_EQ(state.status, StatusNoNewPosition);
  replay.Feed("$GPRMC,123519,A,4130.000,S,07115.000,W,4.5,084.4,,003.1,W*69", state);
  EXPECT_EQ(state.status, StatusInvalidGpsDate);
  EXPECT_EQ(replay.malformed(), 0);
}

TEST(VesselScript, SteersTheScriptedCourseAndTowsTheNetBehind) {
  nautrec::ScriptSettings settings;
  settings.startLat = 62.0;
  settings.startLon = 5.0;
  settings.heading = 0;
  settings.speedKnots = 6;  // a tenth of a mile a minute
  settings.changes = {{60, 90, -1}};
  settings.bottomDepth = 300;
  settings.netHeight = 10;
  settings.wireOut = 500;
  nautrec::VesselScript script(settings);
  for (int i = 0; i < 60; ++i) script.Advance(1.0);
  EXPECT_NEAR(script.state().lat, 62.0 + 0.1 / 60.0, 1e-9);
  EXPECT_NEAR(script.state().lon, 5.0, 1e-9);
  script.Advance(1.0);
  EXPECT_DOUBLE_EQ(script.state().heading, 90);
  EXPECT_GT(script.state().lon, 5.0);
  EXPECT_NEAR(script.state().netDepth, script.BottomDepth() - 10, 1e-3);
  EXPECT_LT(script.state().netLon, script.state().lon);  // behind a boat heading east
}

// Starts nautrec-sim from the build folder with its output in a file.
class SimulatorProcess {
public:
  SimulatorProcess(std::vector<std::string> args, const std::string& outputFile) {
    // The simulator sits at the top of the build folder, above the test programs.
    args.insert(args.begin(), (ProgramDir().parent_path() / "nautrec-sim").string());
    pid_ = ::fork();
    if (pid_ == 0) {
      std::freopen(outputFile.c_str(), "w", stdout);
      std::vector<char*> argv;
      for (auto& a : args) argv.push_back(a.data());
      argv.push_back(nullptr);
      ::execv(argv[0], argv.data());
      ::_exit(127);
    }
  }
  ~SimulatorProcess() { Stop(); }
  int Stop() {
    if (pid_ <= 0) return status_;
    ::kill(pid_, SIGTERM);
    int status = 0;
    ::waitpid(pid_, &status, 0);
    pid_ = -1;
    status_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return status_;
  }

private:
  pid_t pid_ = -1;
  int status_ = -1;
};

std::string ReadFile(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(NautrecSimProcess, DrivesTheChartsReaderAndReportsWhatItWritesBack) {
  test::IsolatedNames names;
  const std::string output = (names.runtimeDir() / "sim.out").string();
  SimulatorProcess sim({"--lat", "61.5", "--lon", "4.5", "--heading", "0", "--speed", "30", "--rate", "20"}, output);

  TShipData ship;
  double lat = 0, lon = 0;
  uint16_t status = 0;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (!ship.ReadPosition(lat, lon, status) && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  ASSERT_TRUE(ship.VesselBlockOpen()) << ReadFile(output);
  const double firstLat = lat;
  EXPECT_NEAR(firstLat, 61.5, 0.01);
  EXPECT_NEAR(lon, 4.5, 1e-9);

  std::this_thread::sleep_for(std::chrono::milliseconds(600));
  ASSERT_TRUE(ship.ReadPosition(lat, lon, status));
  EXPECT_GT(lat, firstLat);  // steaming north

  ASSERT_TRUE(ship.WriteChannel(16, 1));
  TNetSensorRecord net{};
  net.Latitude = 61.25;
  net.Longitude = 4.75;
  ASSERT_TRUE(ship.WriteNetPosition(net));
  std::this_thread::sleep_for(std::chrono::milliseconds(400));
  EXPECT_EQ(sim.Stop(), 0);

  const std::string report = ReadFile(output);
  EXPECT_NE(report.find("chart: logging suspended (channel 16 = 1)"), std::string::npos) << report;
  EXPECT_NE(report.find("chart: net position 61\u00BA 15.000'N 4\u00BA 45.000'E"), std::string::npos) << report;
  EXPECT_NE(report.find("nautrec-sim: blocks removed"), std::string::npos) << report;
  // And the names are gone.
  TShipData after;
  EXPECT_FALSE(after.VesselBlockOpen());
}

}  // namespace
}  // namespace velmara

// nautrec-sim: stands in for the logging program. Creates the vessel block and the plotter blocks,
// fills the vessel block from a scripted run or an NMEA 0183 log, and reports what the chart
// writes back (the logging switch, the net position, the net opening).
#include <algorithm>
#include <cmath>
#include <csignal>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>

#include "app/base/Geodesy.h"
#include "app/base/NumberFormat.h"
#include "link/ShipDataX.h"
#include "tools/nautrec/NautrecBlocks.h"
#include "tools/nautrec/NmeaReplay.h"
#include "tools/nautrec/VesselScript.h"

namespace {

using namespace velmara;
using namespace velmara::nautrec;

volatile std::sig_atomic_t stopRequested = 0;
void RequestStop(int) { stopRequested = 1; }

struct Options {
  ScriptSettings script;
  double rate = 1.0;
  double duration = 0.0;
  std::string nmeaFile;
  bool replace = false;
  bool quiet = false;
};

const char* Usage =
    "usage: nautrec-sim [options]\n"
    "  --lat DEG --lon DEG        start position (62, 5)\n"
    "  --heading DEG --speed KN   start course and speed (0, 3.5)\n"
    "  --turn T:HEADING[:SPEED]   change course (and speed) T seconds into the run; repeatable\n"
    "  --status BITS              incoming-data status word\n"
    "  --tide METRES              tide height (marks the tide valid)\n"
    "  --bottom METRES            bottom depth at the start (200)\n"
    "  --slope METRES             bottom deeper by this much per nautical mile run (0)\n"
    "  --net-height M --net-spread M --wire-out M   net sensor (5, 30, 600)\n"
    "  --net-position-sensor      publish the net's position (else the chart writes it)\n"
    "  --no-net                   no net sensor readings\n"
    "  --nmea FILE                replay an NMEA 0183 log instead of the scripted run\n"
    "  --rate HZ                  updates per second (1)\n"
    "  --duration S               stop after S seconds of run (0: until interrupted)\n"
    "  --replace                  remove blocks left behind by a simulator that was killed\n"
    "  --quiet                    report only what the chart writes back\n";

bool ParseOptions(int argc, char** argv, Options& o) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    auto number = [&](double& target) {
      if (i + 1 >= argc) return false;
      const auto value = ParseFloat(argv[++i]);
      if (!value) return false;
      target = *value;
      return true;
    };
    double value = 0;
    bool ok = true;
    if (arg == "--lat") ok = number(o.script.startLat);
    else if (arg == "--lon") ok = number(o.script.startLon);
    else if (arg == "--heading") ok = number(o.script.heading);
    else if (arg == "--speed") ok = number(o.script.speedKnots);
    else if (arg == "--bottom") ok = number(o.script.bottomDepth);
    else if (arg == "--slope") ok = number(o.script.bottomSlopePerNm);
    else if (arg == "--net-height") ok = number(o.script.netHeight);
    else if (arg == "--net-spread") ok = number(o.script.netSpread);
    else if (arg == "--wire-out") ok = number(o.script.wireOut);
    else if (arg == "--rate") ok = number(o.rate) && o.rate > 0;
    else if (arg == "--duration") ok = number(o.duration);
    else if (arg == "--tide") {
      ok = number(o.script.tide);
      o.script.tideValid = true;
    } else if (arg == "--status") {
      ok = number(value) && value >= 0 && value <= 0xFFFF;
      o.script.status = static_cast<uint16_t>(value);
    } else if (arg == "--turn" && i + 1 < argc) {
      CourseChange change;
      const std::string turn = argv[++i];
      const auto first = turn.find(':');
      const auto second = turn.find(':', first == std::string::npos ? first : first + 1);
      const auto at = ParseFloat(turn.substr(0, first));
      const auto heading = first == std::string::npos ? std::nullopt : ParseFloat(turn.substr(first + 1, second - first - 1));
      ok = at && heading;
      if (ok) {
        change.atSeconds = *at;
        change.heading = *heading;
        if (second != std::string::npos) {
          const auto speed = ParseFloat(turn.substr(second + 1));
          ok = speed.has_value();
          if (ok) change.speedKnots = *speed;
        }
        o.script.changes.push_back(change);
      }
    } else if (arg == "--nmea" && i + 1 < argc) o.nmeaFile = argv[++i];
    else if (arg == "--net-position-sensor") o.script.netPositionSensor = true;
    else if (arg == "--no-net") o.script.net = false;
    else if (arg == "--replace") o.replace = true;
    else if (arg == "--quiet") o.quiet = true;
    else ok = false;
    if (!ok) {
      std::fprintf(stderr, "nautrec-sim: bad option or value: %s\n%s", arg.c_str(), Usage);
      return false;
    }
  }
  return true;
}

// Publishes one state and reports changes the chart made to its fields.
class Publisher {
public:
  Publisher(NautrecBlocks& blocks, bool quiet) : blocks_(blocks), quiet_(quiet) {}

  void operator()(const VesselState& state, double elapsed) {
    ChartFeedback feedback;
    const bool ok = blocks_.WithVessel([&](TVesselRecord& record) {
      Publish(state, record);
      feedback = ReadFeedback(record);
    });
    if (!ok) {
      std::fprintf(stderr, "nautrec-sim: vessel block mutex not available, update skipped\n");
      return;
    }
    if (!quiet_) {
      std::printf("%7.1f s  %s  %s  hdg %5.1f  %4.1f kn  net %6.1f m\n", elapsed,
                  PositionText(state.lat, true, PositionStyle::MinuteMarked).c_str(),
                  PositionText(state.lon, false, PositionStyle::MinuteMarked).c_str(), state.heading, state.speedKnots,
                  state.netDepth);
    }
    Report(feedback);
    std::fflush(stdout);
  }

private:
  void Report(const ChartFeedback& now) {
    if (now.loggingSwitch != last_.loggingSwitch || first_)
      std::printf("chart: logging %s (channel 16 = %u)\n", now.loggingSwitch ? "suspended" : "on", now.loggingSwitch);
    if (now.netLat != last_.netLat || now.netLon != last_.netLon)
      std::printf("chart: net position %s %s\n", PositionText(now.netLat, true, PositionStyle::MinuteMarked).c_str(),
                  PositionText(now.netLon, false, PositionStyle::MinuteMarked).c_str());
    if (now.netOpening != last_.netOpening || now.netKind != last_.netKind)
      std::printf("chart: net opening %.0f m, kind %c\n", now.netOpening, now.netKind ? now.netKind : '-');
    last_ = now;
    first_ = false;
  }

  NautrecBlocks& blocks_;
  bool quiet_;
  ChartFeedback last_;
  bool first_ = true;
};

bool Sleep(double seconds) {
  const auto until = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  while (!stopRequested && std::chrono::steady_clock::now() < until)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  return !stopRequested;
}

int RunScript(const Options& o, Publisher& publish) {
  VesselScript script(o.script);
  const double step = 1.0 / o.rate;
  publish(script.state(), 0.0);
  while (Sleep(step) && (o.duration <= 0 || script.elapsed() < o.duration)) {
    const VesselState& state = script.Advance(step);
    publish(state, script.elapsed());
  }
  return 0;
}

int RunReplay(const Options& o, Publisher& publish) {
  std::ifstream in(o.nmeaFile);
  if (!in) {
    std::fprintf(stderr, "nautrec-sim: cannot read %s: %s\n", o.nmeaFile.c_str(), std::strerror(errno));
    return 1;
  }
  VesselScript script(o.script);  // for the net behind the replayed track
  VesselState state = script.state();
  NmeaReplay replay;
  std::string line;
  double elapsed = 0;
  int lineNumber = 0;
  while (!stopRequested && std::getline(in, line)) {
    ++lineNumber;
    const auto result = replay.Feed(line, state);
    if (result == NmeaReplay::Line::Malformed)
      std::fprintf(stderr, "nautrec-sim: %s line %d skipped: %s (%d so far)\n", o.nmeaFile.c_str(), lineNumber,
                   replay.lastProblem().c_str(), replay.malformed());
    if (result != NmeaReplay::Line::PositionFix) continue;
    if (state.netSensor && replay.depth() > 0) {
      state.netDepth = static_cast<float>(std::max(1.0, replay.depth() - o.script.netHeight));
      state.netLat = state.lat;
      state.netLon = state.lon;
      const double wire = o.script.wireOut, depth = state.netDepth;
      MoveAlong(state.netLat, state.netLon, state.heading + 180.0, std::sqrt(std::max(0.0, wire * wire - depth * depth)));
    }
    publish(state, elapsed);
    if (o.duration > 0 && elapsed >= o.duration) break;
    if (!Sleep(1.0 / o.rate)) break;
    elapsed += 1.0 / o.rate;
  }
  std::printf("nautrec-sim: replay done, %d sentences used, %d malformed lines skipped\n", replay.accepted(),
              replay.malformed());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (argc > 1 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
    std::fputs(Usage, stdout);
    return 0;
  }
  if (!ParseOptions(argc, argv, options)) return 2;
  std::signal(SIGINT, RequestStop);
  std::signal(SIGTERM, RequestStop);
  try {
    NautrecBlocks blocks(options.replace);
    std::printf("nautrec-sim: blocks %s, %s, %s and %s created\n", VesselBlock.name, PlotterDataBlock.name,
                PlotterMarksBlock.name, PlotterLinesBlock.name);
    std::fflush(stdout);
    Publisher publish(blocks, options.quiet);
    const int result = options.nmeaFile.empty() ? RunScript(options, publish) : RunReplay(options, publish);
    std::printf("nautrec-sim: blocks removed\n");
    return result;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "nautrec-sim: %s (another simulator running? --replace removes stale blocks)\n",
                 error.what());
    return 1;
  }
}

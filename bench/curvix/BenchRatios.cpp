#include "bench/curvix/BenchRatios.h"

#include <cstdio>

namespace curvix_bench {

namespace {

std::string Stem(const std::string& name, std::string* suffix) {
  const auto slash = name.rfind('/');
  if (slash == std::string::npos) {
    return {};
  }
  *suffix = name.substr(slash + 1);
  return name.substr(0, slash);
}

double ItemsPerSecond(const benchmark::BenchmarkReporter::Run& run) {
  const auto it = run.counters.find("items_per_second");
  if (it != run.counters.end() && it->second.value > 0) {
    return it->second.value;
  }
  const double seconds = run.real_accumulated_time / static_cast<double>(run.iterations);
  return seconds > 0 ? 1 / seconds : 0;
}

}  // namespace

std::vector<std::string>& RatioReporter::notes() {
  static std::vector<std::string> lines;
  return lines;
}

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
  ConsoleReporter::ReportRuns(runs);
  for (const Run& run : runs) {
    if (run.run_type == Run::RT_Iteration && !run.error_occurred) {
      runs_[run.run_name.function_name] = run;  // without "/iterations:3" and the like
    }
  }
}

void RatioReporter::Finalize() {
  ConsoleReporter::Finalize();
  std::printf("\n%-44s %16s %16s %9s\n", "curvix against", "curvix items/s", "other items/s",
              "ratio");
  for (const auto& [name, run] : runs_) {
    std::string suffix;
    const std::string stem = Stem(name, &suffix);
    if (suffix != "curvix") {
      continue;
    }
    for (const auto& [other_name, other] : runs_) {
      std::string other_suffix;
      if (other_name == name || Stem(other_name, &other_suffix) != stem) {
        continue;
      }
      const double mine = ItemsPerSecond(run);
      const double theirs = ItemsPerSecond(other);
      std::printf("%-44s %16.4g %16.4g %8.2fx\n", (stem + " vs " + other_suffix).c_str(), mine,
                  theirs, theirs > 0 ? mine / theirs : 0.0);
    }
  }
  for (const std::string& line : notes()) {
    std::printf("%s\n", line.c_str());
  }
}

int RunWithRatios(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
    return 1;
  }
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}

}  // namespace curvix_bench

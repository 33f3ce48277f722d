// A console reporter that, after the runs, prints each library benchmark's speed against its
// reference measured in the same run: benchmarks named ".../curvix" pair with ".../reference"
// (and with any other suffix given) by the name before the last slash.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace curvix_bench {

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override;
  void Finalize() override;

  // Extra lines printed at the end, filled in by the benchmarks (e.g. identity checks).
  static std::vector<std::string>& notes();

 private:
  std::map<std::string, Run> runs_;
};

// Runs the benchmarks with the reporter above; the body of each benchmark program's main.
int RunWithRatios(int argc, char** argv);

}  // namespace curvix_bench

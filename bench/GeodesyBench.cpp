// Number texts are made for every heads-up line each frame: the locale-free formatter against the
// C library's snprintf (which follows the locale) as the simple reference.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "app/base/Geodesy.h"
#include "app/base/NumberFormat.h"

namespace {

void ReferenceSnprintf(benchmark::State& state) {
  double value = 1234.56;
  char buffer[64];
  for (auto _ : state) {
    std::snprintf(buffer, sizeof buffer, "%.1f", value);
    benchmark::DoNotOptimize(buffer);
    value += 0.01;
  }
}
BENCHMARK(ReferenceSnprintf);

void FormatTextFixed(benchmark::State& state) {
  double value = 1234.56;
  for (auto _ : state) {
    benchmark::DoNotOptimize(velmara::FormatText("%.1f", value));
    value += 0.01;
  }
}
BENCHMARK(FormatTextFixed);

void FormatFloatGrouped(benchmark::State& state) {
  double value = 1234.56;
  for (auto _ : state) {
    benchmark::DoNotOptimize(velmara::FormatFloat(value, "#,##0.0"));
    value += 0.01;
  }
}
BENCHMARK(FormatFloatGrouped);

void MinuteMarkedPosition(benchmark::State& state) {
  double value = 61.123456;
  for (auto _ : state) {
    benchmark::DoNotOptimize(velmara::PositionText(value, true, velmara::PositionStyle::MinuteMarked));
    value += 1e-6;
  }
}
BENCHMARK(MinuteMarkedPosition);

void RangeAndBearing(benchmark::State& state) {
  double lat = 60.0, bearing = 0.0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(velmara::RangeAndBearing(lat, 5.0, 61.0, 6.0, bearing));
    lat += 1e-6;
  }
}
BENCHMARK(RangeAndBearing);

}  // namespace

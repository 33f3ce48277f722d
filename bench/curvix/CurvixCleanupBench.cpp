// The sounding filter on synthetic surveys of a sloping bed with 1 % spikes (plane fit, a search
// radius holding about 30 soundings): time per pass, total time and peak memory, against the
// literal reference and, for the first pass, against a nanoflann k = 16 search with the same
// weighted plane fit over the same soundings.
#include <benchmark/benchmark.h>

#include <nanoflann.hpp>

#include <malloc.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "bench/curvix/BenchRatios.h"
#include "curvix/Cleanup.h"
#include "tests/curvix/CleanupReference.h"
#include "tests/curvix/SoundingSets.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Survey {
  curvix_test::SurveyOptions options;
  std::vector<curvix_sounding> records;
  curvix::CleanupParams params;
};

// 0.5 soundings per square unit over a square, as a multibeam survey of a few hundred metres.
const Survey& SurveyOf(int n) {
  static std::map<int, Survey> cache;
  auto it = cache.find(n);
  if (it == cache.end()) {
    Survey s;
    s.options.n = n;
    s.options.seed = 2024;
    const double side = std::sqrt(n / 0.5);
    s.options.lat_span = side / 110000;
    s.options.lon_span = side / (110000 * std::cos(s.options.lat0));
    s.options.spike_fraction = 0.01;
    s.records = curvix_test::MakeSurvey(s.options);
    s.params = {curvix_test::RadiusFor(s.options, 30), 0.1f, 0.3f, 1, 2, 0.5f, 50, 0};
    it = cache.emplace(n, std::move(s)).first;
  }
  return it->second;
}

long StatusKb(const char* field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind(field, 0) == 0) {
      return std::stol(line.substr(std::strlen(field)));
    }
  }
  return 0;
}

// Peak resident memory added by a call: the high-water mark is reset before it.
template <class F>
double PeakExtraMb(F&& call) {
  std::ofstream("/proc/self/clear_refs") << "5";
  const long before = StatusKb("VmRSS:");
  call();
  return (StatusKb("VmHWM:") - before) / 1024.0;
}

struct PassTimes {
  Clock::time_point start;
  std::vector<double> seconds;
  std::vector<std::int32_t> rejected;
  static void record(void* self, const curvix::CleanupPass& pass) {
    auto& t = *static_cast<PassTimes*>(self);
    const auto now = Clock::now();
    t.seconds.push_back(std::chrono::duration<double>(now - t.start).count());
    t.rejected.push_back(pass.rejected);
    t.start = now;
  }
};

std::vector<curvix_sounding> RunLibrary(const Survey& s, PassTimes* times, double* peak_mb) {
  std::vector<curvix_sounding> records = s.records;
  const curvix::CleanupObserver observer{times, PassTimes::record};
  std::int32_t accepted = 0, rejected = 0;
  const auto call = [&] {
    times->start = Clock::now();
    curvix::run_cleanup(s.options.n, records.data(), s.params, &accepted, &rejected, &observer);
  };
  *peak_mb = PeakExtraMb(call);
  return records;
}

std::vector<curvix_sounding> RunReference(const Survey& s) {
  std::vector<curvix_sounding> records = s.records;
  const curvix::CleanupParams& p = s.params;
  std::int32_t accepted = 0, rejected = 0;
  curvix_test::ReferenceCleanup(&s.options.n, records.data(), p.search_radius, p.tolerance,
                                p.min_threshold, p.weight_at_min_z, p.weight_at_max_z,
                                p.far_weight, p.threshold_percent, p.mean_only, &accepted,
                                &rejected);
  return records;
}

// Library results kept for the identity check against the reference.
std::map<int, std::vector<curvix_sounding>>& LibraryResults() {
  static std::map<int, std::vector<curvix_sounding>> results;
  return results;
}

void Library(benchmark::State& state, int n) {
  const Survey& s = SurveyOf(n);
  PassTimes times;
  double peak = 0;
  for (auto _ : state) {
    times.seconds.clear();
    times.rejected.clear();
    LibraryResults()[n] = RunLibrary(s, &times, &peak);
  }
  state.SetItemsProcessed(state.iterations() * n);
  state.counters["passes"] = static_cast<double>(times.seconds.size());
  state.counters["peak_MB"] = peak;
  double total = 0;
  for (std::size_t i = 0; i < times.seconds.size(); ++i) {
    state.counters["pass" + std::to_string(i + 1) + "_ms"] = times.seconds[i] * 1e3;
    state.counters["rej" + std::to_string(i + 1)] = times.rejected[i];
    total += times.seconds[i];
  }
  state.counters["total_ms"] = total * 1e3;
}

void Reference(benchmark::State& state, int n) {
  const Survey& s = SurveyOf(n);
  std::vector<curvix_sounding> out;
  for (auto _ : state) {
    out = RunReference(s);
  }
  state.SetItemsProcessed(state.iterations() * n);
  const auto& mine = LibraryResults()[n];
  const bool same = mine.size() == out.size() &&
                    std::memcmp(mine.data(), out.data(), out.size() * sizeof out[0]) == 0;
  curvix_bench::RatioReporter::notes().push_back(
      "cleanup n=" + std::to_string(n) + ": output " +
      (mine.empty() ? "not compared (library not run)"
                    : same ? "identical to the reference" : "DIFFERS FROM THE REFERENCE"));
}

// The first pass alone, timed from the observer.
void FirstPass(benchmark::State& state, int n) {
  const Survey& s = SurveyOf(n);
  for (auto _ : state) {
    PassTimes times;
    double peak = 0;
    RunLibrary(s, &times, &peak);
    state.SetIterationTime(times.seconds.front());
  }
  state.SetItemsProcessed(state.iterations() * n);
}

// The yardstick: the same plane coordinates, a k-d tree, 16 nearest neighbours of each sounding
// and the weighted plane fit at it, once over all soundings.
struct Cloud {
  const std::vector<float>& x;
  const std::vector<float>& y;
  std::size_t kdtree_get_point_count() const { return x.size(); }
  float kdtree_get_pt(std::size_t i, std::size_t dim) const { return dim == 0 ? x[i] : y[i]; }
  template <class Box>
  bool kdtree_get_bbox(Box&) const {
    return false;
  }
};
using Tree = nanoflann::KDTreeSingleIndexAdaptor<nanoflann::L2_Simple_Adaptor<float, Cloud>,
                                                 Cloud, 2, std::uint32_t>;

double NanoflannPass(const Survey& s, std::vector<float>& residual) {
  const auto& r = s.records;
  const std::size_t n = r.size();
  const auto start = Clock::now();
  double lat_min = 1e6, lat_max = -1e6, lon_min = 1e6, lon_max = -1e6;
  float max_weight = 0;
  for (const auto& q : r) {
    lat_min = std::min<double>(lat_min, q.Lat);
    lat_max = std::max<double>(lat_max, q.Lat);
    lon_min = std::min<double>(lon_min, q.Lon);
    lon_max = std::max<double>(lon_max, q.Lon);
    max_weight = std::max(max_weight, q.Weight);
  }
  const double mlat = (lat_min + lat_max) / 2, mlon = (lon_min + lon_max) / 2;
  const double c0 = std::cos(mlat);
  std::vector<float> x(n), y(n);
  for (std::size_t i = 0; i < n; ++i) {
    x[i] = static_cast<float>((r[i].Lon - mlon) * std::cos(static_cast<double>(r[i].Lat)) / c0 *
                              110000);
    y[i] = static_cast<float>((r[i].Lat - mlat) * 110000);
  }
  const Cloud cloud{x, y};
  Tree tree(2, cloud, nanoflann::KDTreeSingleIndexAdaptorParams(10));
  tree.buildIndex();
  const curvix::CleanupParams& p = s.params;
  residual.assign(n, 0);
  std::uint32_t idx[17];
  float d2[17];
  for (std::size_t k = 0; k < n; ++k) {
    nanoflann::KNNResultSet<float, std::uint32_t> found(17);
    found.init(idx, d2);
    const float query[2] = {x[k], y[k]};
    tree.findNeighbors(found, query, nanoflann::SearchParams());
    double zlo = r[k].Z, zhi = r[k].Z;
    int m = 0;
    std::uint32_t nb[16];
    double dist[16];
    for (std::size_t i = 0; i < found.size() && m < 16; ++i) {
      if (idx[i] == k) continue;
      nb[m] = idx[i];
      dist[m] = std::sqrt(static_cast<double>(d2[i])) * r[idx[i]].Weight / max_weight;
      zlo = std::min<double>(zlo, r[idx[i]].Z);
      zhi = std::max<double>(zhi, r[idx[i]].Z);
      ++m;
    }
    const double a = zlo == zhi ? 0 : (p.weight_at_max_z - p.weight_at_min_z) / (zhi - zlo);
    const double b = p.weight_at_min_z - a * zlo;
    const double g = (1 - p.far_weight) / (p.far_weight * dist[m - 1]);
    const double wp = (a * r[k].Z + b) * r[k].Weight;
    double sw = wp, sz = wp * r[k].Z, su = 0, sv = 0, suu = 0, suv = 0, svv = 0, szu = 0, szv = 0;
    for (int i = 0; i < m; ++i) {
      const auto& q = r[nb[i]];
      const double w = (a * q.Z + b) * q.Weight / (g * dist[i] + 1);
      const double u = (x[nb[i]] - x[k]) / p.search_radius, v = (y[nb[i]] - y[k]) / p.search_radius;
      sw += w;
      su += w * u;
      sv += w * v;
      suu += w * u * u;
      suv += w * u * v;
      svv += w * v * v;
      sz += w * q.Z;
      szu += w * q.Z * u;
      szv += w * q.Z * v;
    }
    const double d1 = suu * svv - suv * suv, d2s = suv * sw - sv * su, d3 = suv * su - sv * suu;
    const double det = (su * svv - suv * sv) * d3 - d2s * d1;
    const double e = std::fabs(det) <= 1e6 ? sz / sw
                                           : (-suv * d1 * sz + (sv * d1 + svv * d3) * szu -
                                              suv * d3 * szv) / det;
    residual[k] = static_cast<float>(r[k].Z - e);
  }
  return std::chrono::duration<double>(Clock::now() - start).count();
}

void Nanoflann(benchmark::State& state, int n) {
  const Survey& s = SurveyOf(n);
  std::vector<float> residual;
  for (auto _ : state) {
    state.SetIterationTime(NanoflannPass(s, residual));
    benchmark::DoNotOptimize(residual.data());
  }
  state.SetItemsProcessed(state.iterations() * n);
}

}  // namespace

// Names pair up in the ratio table: "<what> n=<size>/curvix" against "<what> n=<size>/<other>".
// The reference runs on 100 000 soundings; set CURVIX_BENCH_REFERENCE_1M=1 for 1 000 000 too
// (minutes).
int main(int argc, char** argv) {
  // Large blocks straight from and back to the system, whatever was freed before: the resident
  // high-water mark then shows the call's working storage.
  mallopt(M_MMAP_THRESHOLD, 64 * 1024);
  const bool reference_1m = std::getenv("CURVIX_BENCH_REFERENCE_1M") != nullptr;
  for (int n : {100000, 1000000}) {
    const std::string size = " n=" + std::to_string(n);
    benchmark::RegisterBenchmark(("cleanup" + size + "/curvix").c_str(), Library, n)
        ->Iterations(3)
        ->Unit(benchmark::kMillisecond);
    if (n == 100000 || reference_1m) {
      benchmark::RegisterBenchmark(("cleanup" + size + "/reference").c_str(), Reference, n)
          ->Iterations(1)
          ->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark(("first pass" + size + "/curvix").c_str(), FirstPass, n)
        ->Iterations(3)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("first pass" + size + "/nanoflann").c_str(), Nanoflann, n)
        ->Iterations(3)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
  }
  return curvix_bench::RunWithRatios(argc, argv);
}

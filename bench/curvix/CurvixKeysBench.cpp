// The key functions per scalar call through the C interface of libcurvix.so, against the literal
// bit-loop reference in the same run: polar2pn at level 64, the three decodings, coverage.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "bench/curvix/BenchRatios.h"
#include "curvix/curvix.h"
#include "tests/curvix/KeysReference.h"

namespace {

constexpr int kBatch = 4096;

struct Inputs {
  std::vector<double> x, y, x2, y2;
  std::vector<std::uint64_t> keys;
  std::vector<std::int32_t> levels;
};

// Points of the initial frame (0 ... 360, -90 ... 90), rectangles of every size within it, keys
// of random levels.
const Inputs& Data() {
  static const Inputs inputs = [] {
    Inputs in;
    std::mt19937_64 rng(42);
    std::uniform_real_distribution<double> unit(0, 1);
    for (int i = 0; i < kBatch; ++i) {
      in.x.push_back(360 * unit(rng));
      in.y.push_back(-90 + 180 * unit(rng));
      in.x2.push_back(in.x.back() + 360 * std::ldexp(unit(rng), -static_cast<int>(rng() % 30)));
      in.y2.push_back(in.y.back() + 180 * std::ldexp(unit(rng), -static_cast<int>(rng() % 30)));
      in.keys.push_back(rng());
      in.levels.push_back(static_cast<std::int32_t>(rng() % 65));
    }
    return in;
  }();
  return inputs;
}

curvix_test::KeysReference& Reference() {
  static curvix_test::KeysReference reference;
  return reference;
}

void Encode(benchmark::State& state) {
  const Inputs& in = Data();
  std::vector<std::uint64_t> out(kBatch);
  for (auto _ : state) {
    for (int i = 0; i < kBatch; ++i) {
      polar2pn(in.x[i], in.y[i], 64, &out[i]);
    }
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * kBatch);
}

void EncodeReference(benchmark::State& state) {
  const Inputs& in = Data();
  std::vector<std::uint64_t> out(kBatch);
  for (auto _ : state) {
    for (int i = 0; i < kBatch; ++i) {
      out[i] = Reference().polar2pn(in.x[i], in.y[i], 64);
    }
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * kBatch);
}

template <void (*Decode)(std::uint64_t, double*, double*, std::int32_t)>
void DecodeLibrary(benchmark::State& state) {
  const Inputs& in = Data();
  std::vector<double> x(kBatch), y(kBatch);
  for (auto _ : state) {
    for (int i = 0; i < kBatch; ++i) {
      Decode(in.keys[i], &x[i], &y[i], in.levels[i]);
    }
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * kBatch);
}

template <int Which>
void DecodeReference(benchmark::State& state) {
  const Inputs& in = Data();
  std::vector<double> x(kBatch), y(kBatch);
  for (auto _ : state) {
    for (int i = 0; i < kBatch; ++i) {
      if constexpr (Which == 0) {
        Reference().lowleft(in.keys[i], in.levels[i], x[i], y[i]);
      } else if constexpr (Which == 1) {
        Reference().centre(in.keys[i], in.levels[i], x[i], y[i]);
      } else {
        Reference().topright(in.keys[i], in.levels[i], x[i], y[i]);
      }
    }
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * kBatch);
}

struct Cover {
  std::int32_t count;
  std::uint64_t mask, ka, kb, kc, kd;
  double llx, lly, urx, ury;
};

void Coverage(benchmark::State& state) {
  const Inputs& in = Data();
  std::vector<Cover> out(kBatch);
  for (auto _ : state) {
    for (int i = 0; i < kBatch; ++i) {
      Cover& c = out[i];
      coverage(in.x[i], in.y[i], in.x2[i], in.y2[i], &c.count, &c.mask, &c.ka, &c.kb, &c.kc,
               &c.kd, &c.llx, &c.lly, &c.urx, &c.ury);
    }
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * kBatch);
}

void CoverageReference(benchmark::State& state) {
  const Inputs& in = Data();
  std::vector<curvix_test::CoverageResult> out(kBatch);
  for (auto _ : state) {
    for (int i = 0; i < kBatch; ++i) {
      out[i] = Reference().coverage(in.x[i], in.y[i], in.x2[i], in.y2[i]);
    }
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * kBatch);
}

// What this machine does right now, for comparing runs: interleaving precomputed scaled values
// with pdep inline, no call, no scaling.
__attribute__((target("bmi2"))) void BarePdep(benchmark::State& state) {
  if (!__builtin_cpu_supports("bmi2")) {
    state.SkipWithError("no BMI2");
    return;
  }
  std::vector<std::uint32_t> sx(kBatch), sy(kBatch);
  std::mt19937 rng(5);
  for (int i = 0; i < kBatch; ++i) {
    sx[i] = rng();
    sy[i] = rng();
  }
  std::vector<std::uint64_t> out(kBatch);
  for (auto _ : state) {
    for (int i = 0; i < kBatch; ++i) {
      out[i] = __builtin_ia32_pdep_di(sx[i], 0xAAAAAAAAAAAAAAAAull) |
               __builtin_ia32_pdep_di(sy[i], 0x5555555555555555ull);
    }
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * kBatch);
}

BENCHMARK(BarePdep)->Name("calibration: bare inline pdep");
BENCHMARK(Encode)->Name("polar2pn level 64/curvix");
BENCHMARK(EncodeReference)->Name("polar2pn level 64/reference");
BENCHMARK(DecodeLibrary<pn2polar_lowleft>)->Name("pn2polar_lowleft/curvix");
BENCHMARK(DecodeReference<0>)->Name("pn2polar_lowleft/reference");
BENCHMARK(DecodeLibrary<pn2polar_centre>)->Name("pn2polar_centre/curvix");
BENCHMARK(DecodeReference<1>)->Name("pn2polar_centre/reference");
BENCHMARK(DecodeLibrary<pn2polar_topright>)->Name("pn2polar_topright/curvix");
BENCHMARK(DecodeReference<2>)->Name("pn2polar_topright/reference");
BENCHMARK(Coverage)->Name("coverage/curvix");
BENCHMARK(CoverageReference)->Name("coverage/reference");

}  // namespace

int main(int argc, char** argv) { return curvix_bench::RunWithRatios(argc, argv); }

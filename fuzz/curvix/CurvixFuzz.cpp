// libFuzzer targets: the sounding filter (curvix_fuzz_cleanup), and the key and coverage
// functions (curvix_fuzz_keys), on arbitrary bytes. Memory errors
// and undefined behaviour are the sanitizers' to find; besides, every result must equal the
// literal reference's, bit for bit, and the filter's output must be a permutation of its input
// that keeps every field but Id and Weight.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#include "curvix/KeyVariants.h"
#include "curvix/curvix.h"
#include "tests/curvix/CleanupReference.h"
#include "tests/curvix/KeysReference.h"

namespace {

class Bytes {
 public:
  Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  template <class T>
  T take() {
    T value{};
    const std::size_t n = size_ < sizeof(T) ? size_ : sizeof(T);
    std::memcpy(&value, data_, n);
    data_ += n;
    size_ -= n;
    return value;
  }
  std::size_t left() const { return size_; }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
};

void Require(bool condition) {
  if (!condition) {
    __builtin_trap();
  }
}

[[maybe_unused]] bool Same(double a, double b) {
  return (std::isnan(a) && std::isnan(b)) || std::memcmp(&a, &b, sizeof a) == 0;
}

#if !defined(CURVIX_FUZZ_CLEANUP)

bool Bmi2() { return __builtin_cpu_supports("bmi2") != 0; }

void FuzzKeys(Bytes& in) {
  const double xmin = in.take<double>(), xmax = in.take<double>();
  const double ymin = in.take<double>(), ymax = in.take<double>();
  peano_range(xmin, xmax, ymin, ymax);
  curvix_test::KeysReference ref;
  ref.peano_range(xmin, xmax, ymin, ymax);
  while (in.left() >= 2 * sizeof(double) + 1) {
    const double x = in.take<double>(), y = in.take<double>();
    const int nbits = static_cast<int>(in.take<std::uint8_t>()) - 60;  // -60 ... 195
    const std::uint64_t want = ref.polar2pn(x, y, nbits);
    std::uint64_t got = 0;
    polar2pn(x, y, nbits, &got);
    Require(got == want);
    curvix::portable::polar2pn(x, y, nbits, &got);
    Require(got == want);
    if (Bmi2()) {
      curvix::bmi2::polar2pn(x, y, nbits, &got);
      Require(got == want);
    }
    const std::uint64_t key = want ^ (static_cast<std::uint64_t>(nbits) * 0x9E3779B97F4A7C15ull);
    double gx = 0, gy = 0, rx = 0, ry = 0;
    pn2polar_lowleft(key, &gx, &gy, nbits);
    ref.lowleft(key, nbits, rx, ry);
    Require(Same(gx, rx) && Same(gy, ry));
    pn2polar_centre(key, &gx, &gy, nbits);
    ref.centre(key, nbits, rx, ry);
    Require(Same(gx, rx) && Same(gy, ry));
    pn2polar_topright(key, &gx, &gy, nbits);
    ref.topright(key, nbits, rx, ry);
    Require(Same(gx, rx) && Same(gy, ry));
  }
}

void FuzzCoverage(Bytes& in) {
  const double xmin = in.take<double>(), xmax = in.take<double>();
  const double ymin = in.take<double>(), ymax = in.take<double>();
  peano_range(xmin, xmax, ymin, ymax);
  curvix_test::KeysReference ref;
  ref.peano_range(xmin, xmax, ymin, ymax);
  while (in.left() >= 4 * sizeof(double)) {
    const double x1 = in.take<double>(), y1 = in.take<double>();
    const double x2 = in.take<double>(), y2 = in.take<double>();
    const curvix_test::CoverageResult want = ref.coverage(x1, y1, x2, y2);
    using Coverage = void (*)(double, double, double, double, std::int32_t*, std::uint64_t*,
                              std::uint64_t*, std::uint64_t*, std::uint64_t*, std::uint64_t*,
                              double*, double*, double*, double*);
    for (Coverage cover : {static_cast<Coverage>(coverage),
                           static_cast<Coverage>(curvix::portable::coverage),
                           static_cast<Coverage>(curvix::bmi2::coverage)}) {
      if (cover == curvix::bmi2::coverage && !Bmi2()) {
        continue;
      }
      curvix_test::CoverageResult got{};
      cover(x1, y1, x2, y2, &got.count, &got.mask, &got.ka, &got.kb, &got.kc, &got.kd, &got.llx,
            &got.lly, &got.urx, &got.ury);
      Require(got.count == want.count && got.mask == want.mask && got.ka == want.ka &&
              got.kb == want.kb && got.kc == want.kc && got.kd == want.kd);
      Require(Same(got.llx, want.llx) && Same(got.lly, want.lly) && Same(got.urx, want.urx) &&
              Same(got.ury, want.ury));
    }
  }
}

#else

void FuzzCleanup(Bytes& in) {
  float p[7];
  for (float& v : p) v = in.take<float>();
  const std::int32_t mean_only = in.take<std::uint8_t>() & 1;
  const std::size_t n = in.left() / sizeof(curvix_sounding);
  if (n == 0 || n > 400) {
    return;
  }
  // Exactly n records on the heap, so that the sanitizer sees any access past them.
  std::vector<curvix_sounding> input(n);
  for (auto& r : input) r = in.take<curvix_sounding>();
  std::vector<curvix_sounding> got = input, want = input;
  const auto count = static_cast<std::int32_t>(n);
  std::int32_t ga = -1, gr = -1, wa = -1, wr = -1;
  Require(cleanup(&count, got.data(), p[0], p[1], p[2], p[3], p[4], p[5], p[6], mean_only, &ga,
                  &gr) == 0);
  curvix_test::ReferenceCleanup(&count, want.data(), p[0], p[1], p[2], p[3], p[4], p[5], p[6],
                                mean_only, &wa, &wr);
  Require(ga >= 0 && gr >= 0 && ga + gr == count);
  Require(ga == wa && gr == wr);
  Require(std::memcmp(got.data(), want.data(), n * sizeof(curvix_sounding)) == 0);

  // The output is the input, accepted ones first, each group in input order. The filter never
  // reads Id, so a run with Ids 1 ... n tells which input record each output record is.
  std::vector<curvix_sounding> tagged = input;
  for (std::size_t i = 0; i < n; ++i) tagged[i].Id = static_cast<std::int32_t>(i + 1);
  std::int32_t ta = -1, tr = -1;
  Require(cleanup(&count, tagged.data(), p[0], p[1], p[2], p[3], p[4], p[5], p[6], mean_only,
                  &ta, &tr) == 0);
  Require(ta == ga && tr == gr);
  auto magnitude = [](std::int32_t id) {
    return id < 0 ? 0u - static_cast<std::uint32_t>(id) : static_cast<std::uint32_t>(id);
  };
  std::size_t last_accepted = 0, last_rejected = 0;
  for (std::size_t k = 0; k < n; ++k) {
    const bool accepted = k < static_cast<std::size_t>(ga);
    Require(std::memcmp(&tagged[k], &got[k], 4 * sizeof(float)) == 0);
    const std::size_t i = accepted ? static_cast<std::size_t>(tagged[k].Id)
                                   : 0u - static_cast<std::uint32_t>(tagged[k].Id);
    std::size_t& last = accepted ? last_accepted : last_rejected;
    Require(i > last && i <= n);
    last = i;
    const curvix_sounding& in = input[i - 1];
    Require(std::memcmp(&in, &got[k], 3 * sizeof(float)) == 0);
    if (accepted) {
      Require(std::memcmp(&in.Weight, &got[k].Weight, sizeof(float)) == 0);
      Require(static_cast<std::uint32_t>(got[k].Id) == magnitude(in.Id));
    } else {
      const float weight = in.Weight > 0 ? std::trunc(in.Weight) : -in.Weight;
      Require(std::memcmp(&weight, &got[k].Weight, sizeof(float)) == 0);
      Require(static_cast<std::uint32_t>(got[k].Id) == 0u - magnitude(in.Id));
    }
  }
}

#endif

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) {
    return 0;
  }
  Bytes in(data + 1, size - 1);
#if defined(CURVIX_FUZZ_CLEANUP)
  FuzzCleanup(in);
#else
  if (data[0] % 2 == 0) {
    FuzzKeys(in);
  } else {
    FuzzCoverage(in);
  }
#endif
  return 0;
}

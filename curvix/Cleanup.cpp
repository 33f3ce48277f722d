#include "curvix/Cleanup.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

#include "curvix/Buffer.h"
#include "curvix/NeighbourSearch.h"
#include "curvix/ShellSort.h"

namespace curvix {

namespace {

constexpr float kNoEstimate = -99999.0f;
constexpr double kInf = std::numeric_limits<double>::infinity();

struct XKey {
  float x;
  std::int32_t index;  // into the caller's records
};
static_assert(sizeof(XKey) % sizeof(std::int32_t) == 0);

// The region whose residuals a pass recomputes.
struct Box {
  double x0 = kInf;
  double x1 = -kInf;
  double y0 = kInf;
  double y1 = -kInf;

  void include(double x, double y) {
    if (x < x0) x0 = x;
    if (x > x1) x1 = x;
    if (y < y0) y0 = y;
    if (y > y1) y1 = y;
  }
  void grow(double by) {
    x0 -= by;
    x1 += by;
    y0 -= by;
    y1 += by;
  }
  bool contains(double x, double y) const { return x >= x0 && x <= x1 && y >= y0 && y <= y1; }
};

// Bottom estimate at the sounding at position k from its neighbours; false (and the residual
// kNoEstimate) when there are too few of them.
bool residual_at(std::int32_t k, const Neighbours& nb, const XOrdered& s, const float* z,
                 const CleanupParams& p, float& residual) {
  if (nb.count < (p.mean_only == 0 ? 3 : 1)) {
    residual = kNoEstimate;
    return false;
  }
  const double zp = z[k];
  double zlo = zp;
  double zhi = zp;
  for (int i = 0; i < nb.count; ++i) {
    const double zq = z[nb.pos[i]];
    if (zq < zlo) zlo = zq;
    if (zq > zhi) zhi = zq;
  }
  // Depth weight a * Z + b runs from WeightAtMinZ at the smallest Z to WeightAtMaxZ at the
  // largest.
  double a = 0;
  double b = p.weight_at_min_z;
  if (zlo != zhi) {
    a = (static_cast<double>(p.weight_at_max_z) - p.weight_at_min_z) / (zhi - zlo);
    b = p.weight_at_min_z - a * zlo;
  }
  // Distance weight 1 / (g * d + 1) falls to FarWeight at the last slot's distance. When that
  // distance is zero (a neighbour at the very position) g is infinite; a neighbour at distance
  // zero then keeps its full weight, the limit of the formula, instead of inf * 0 = NaN. With
  // FarWeight 1 there is no fall at all, even at distance zero.
  const double far = p.far_weight;
  const double d_last = nb.distance[nb.count - 1];
  const double g = 1 - far == 0 ? 0 : (1 - far) / (far * d_last);

  const double xp = s.x[k];
  const double yp = s.y[k];
  const double radius = p.search_radius;
  const double wp = (a * zp + b) * s.weight[k];
  double sw = wp;
  double sz = wp * zp;
  double su = 0, sv = 0, suu = 0, suv = 0, svv = 0, szu = 0, szv = 0;
  for (int i = 0; i < nb.count; ++i) {
    const std::int32_t q = nb.pos[i];
    const double d = nb.distance[i];
    const double zq = z[q];
    const double gd = d == 0 ? 0 : g * d;
    const double w = (a * zq + b) * s.weight[q] / (gd + 1);
    const double u = (s.x[q] - xp) / radius;
    const double v = (s.y[q] - yp) / radius;
    sw += w;
    su += w * u;
    sv += w * v;
    suu += w * (u * u);
    suv += w * u * v;
    svv += w * (v * v);
    sz += w * zq;
    szu += w * zq * u;
    szv += w * zq * v;
  }

  double e = 0;
  if (p.mean_only != 0) {
    e = sw == 0 ? kNoEstimate : sz / sw;
  } else {
    // The weighted least-squares plane z = c0 + c1 u + c2 v through the neighbourhood, evaluated
    // at the sounding (u = v = 0); too small a determinant falls back to the weighted mean.
    const double d1 = suu * svv - suv * suv;
    const double d2 = suv * sw - sv * su;
    const double d3 = suv * su - sv * suu;
    const double det = (su * svv - suv * sv) * d3 - d2 * d1;
    if (std::trunc(std::fabs(det)) <= 1000000) {
      e = sz / sw;
    } else {
      e = (-suv * d1 * sz + (sv * d1 + svv * d3) * szu - suv * d3 * szv) / det;
    }
  }
  residual = static_cast<float>(zp - e);
  return true;
}

// |id| and -|id| in two's complement: the one value without a positive counterpart,
// -2147483648, stays as it is.
std::int32_t positive_id(std::int32_t id) {
  const auto u = static_cast<std::uint32_t>(id);
  return static_cast<std::int32_t>(id < 0 ? 0u - u : u);
}
std::int32_t negative_id(std::int32_t id) {
  return static_cast<std::int32_t>(0u - static_cast<std::uint32_t>(positive_id(id)));
}

}  // namespace

std::int32_t run_cleanup(std::int32_t n, curvix_sounding* records, const CleanupParams& params,
                         std::int32_t* accepted_count, std::int32_t* rejected_count,
                         const CleanupObserver* observer) {
  if (n < 1) {
    *accepted_count = 0;
    *rejected_count = 0;
    return 0;
  }
  const auto count = static_cast<std::size_t>(n);

  // Working storage, all of it per call; records are written only at the very end.
  Buffer<curvix_sounding> input;
  Buffer<XKey> order;
  Buffer<float> x, y, z, weight, residual;
  Buffer<unsigned char> no_estimate;
  if (!input.allocate(count) || !order.allocate(count) || !x.allocate(count) ||
      !y.allocate(count) || !z.allocate(count) || !weight.allocate(count) ||
      !residual.allocate(count) || !no_estimate.allocate(count)) {
    return -1;
  }
  std::memcpy(input.data(), records, count * sizeof(curvix_sounding));

  // Preparation: the middle of the positions, the largest weight, plane coordinates.
  double lat_min = 1000000, lat_max = -1000000, lon_min = 1000000, lon_max = -1000000;
  float max_weight = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const curvix_sounding& r = input[i];
    if (r.Lat < lat_min) lat_min = r.Lat;
    if (r.Lat > lat_max) lat_max = r.Lat;
    if (r.Lon < lon_min) lon_min = r.Lon;
    if (r.Lon > lon_max) lon_max = r.Lon;
    if (r.Weight > max_weight) max_weight = r.Weight;
  }
  const double mid_lat = (lat_min + lat_max) / 2;
  const double mid_lon = (lon_min + lon_max) / 2;
  const double c0 = std::cos(mid_lat);
  for (std::size_t i = 0; i < count; ++i) {
    const double lat = input[i].Lat;
    const double lon = input[i].Lon;
    order[i] = XKey{static_cast<float>((lon - mid_lon) * std::cos(lat) / c0 * 110000),
                    static_cast<std::int32_t>(i)};
  }
  shell_sort(order.data(), n, [](const XKey& e) { return e.x; });

  bool x_sorted = true;
  float last_x = -std::numeric_limits<float>::infinity();
  for (std::size_t k = 0; k < count; ++k) {
    const curvix_sounding& r = input[static_cast<std::size_t>(order[k].index)];
    x[k] = order[k].x;
    y[k] = static_cast<float>((static_cast<double>(r.Lat) - mid_lat) * 110000);
    z[k] = r.Z;
    weight[k] = r.Weight;
    if (!std::isnan(x[k])) {
      x_sorted = x_sorted && x[k] >= last_x;
      last_x = x[k];
    }
  }
  const XOrdered s{x.data(), y.data(), weight.data(), n};

  NeighbourSearch search;
  if (!search.init(n, x_sorted, params.search_radius, max_weight)) {
    return -1;
  }

  const double radius = params.search_radius;
  const double tolerance = params.tolerance;
  const double min_threshold = params.min_threshold;
  const double band_fraction = static_cast<double>(params.threshold_percent) / 100;
  std::int32_t kept = n;
  Box box;
  Neighbours nb;
  for (std::int32_t pass = 0;; ++pass) {
    const std::int32_t kept_before = kept;
    // The first pass estimates every active sounding; later ones only those within the search
    // radius of the previous pass's rejections.
    const bool everything = pass == 0;
    box.grow(radius);

    search.index(s);
    std::int32_t recomputed = 0;
    for (std::int32_t k = 0; k < n; ++k) {
      if (!(weight[k] > 0) || (!everything && !box.contains(x[k], y[k]))) {
        continue;
      }
      search.find(s, k, nb);
      no_estimate[k] = residual_at(k, nb, s, z.data(), params, residual[k]) ? 0 : 1;
      ++recomputed;
    }

    // The residual envelope of all active soundings that have an estimate.
    double smallest = 1e20;
    double largest = -1e20;
    for (std::size_t k = 0; k < count; ++k) {
      if (weight[k] > 0 && no_estimate[k] == 0) {
        const double r = residual[k];
        if (r < smallest) smallest = r;
        if (r > largest) largest = r;
      }
    }
    const double lo = std::min(smallest, -tolerance);
    const double hi = std::max(largest, tolerance);
    double tl = band_fraction * lo;
    if (tl > -min_threshold) tl = -min_threshold;
    double th = band_fraction * hi;
    if (th < min_threshold) th = min_threshold;
    if (std::trunc(std::fabs(tl)) > th) tl = -th;

    Box rejected_box;
    std::int32_t kept_now = 0;
    std::int32_t rejected_now = 0;
    for (std::size_t k = 0; k < count; ++k) {
      if (!(weight[k] > 0)) {
        continue;
      }
      const double r = residual[k];
      if (r < tl || r > th) {
        weight[k] = -std::fabs(std::trunc(weight[k]));
        rejected_box.include(x[k], y[k]);
        ++rejected_now;
      } else {
        ++kept_now;
      }
    }
    kept = kept_now;
    box = rejected_box;
    if (observer != nullptr && observer->pass_done != nullptr) {
      const CleanupPass view{pass, recomputed, rejected_now, n, residual.data(), &order[0].index,
                             sizeof(XKey) / sizeof(std::int32_t)};
      observer->pass_done(observer->context, view);
    }
    if (!(kept < kept_before)) {
      break;
    }
    if (!(std::max(std::trunc(std::fabs(lo)), std::trunc(std::fabs(hi))) > tolerance)) {
      break;
    }
  }

  // Accepted first, then rejected and inactive, each in input order.
  for (std::size_t k = 0; k < count; ++k) {
    input[static_cast<std::size_t>(order[k].index)].Weight = weight[k];
  }
  std::int32_t accepted = 0;
  for (std::size_t i = 0; i < count; ++i) {
    if (input[i].Weight > 0) {
      curvix_sounding r = input[i];
      r.Id = positive_id(r.Id);
      records[accepted++] = r;
    }
  }
  std::int32_t rejected = 0;
  for (std::size_t i = 0; i < count; ++i) {
    if (!(input[i].Weight > 0)) {
      curvix_sounding r = input[i];
      r.Id = negative_id(r.Id);
      r.Weight = -r.Weight;
      records[accepted + rejected++] = r;
    }
  }
  *accepted_count = accepted;
  *rejected_count = rejected;
  return 0;
}

}  // namespace curvix

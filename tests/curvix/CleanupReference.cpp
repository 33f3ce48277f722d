#include "tests/curvix/CleanupReference.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace curvix_test {

namespace {

constexpr int K = 16;

// Shell sort of index[1 .. m] by key[index[.]]; equal keys are never swapped.
template <class Key>
void ShellSort(std::vector<int>& index, int m, const Key& key) {
  int h = m;
  for (;;) {
    if (h <= 1) {
      break;
    }
    h = h > 15 ? 2 * (h / 8) + 1 : 2 * (h / 4) + 1;
    for (int i = 1; i <= m - h; ++i) {
      int j = i;
      while (j >= 1 && key[index[j]] > key[index[j + h]]) {
        std::swap(index[j], index[j + h]);
        j = j - h;
      }
    }
  }
}

std::int32_t Abs(std::int32_t id) {
  return id < 0 ? static_cast<std::int32_t>(0u - static_cast<std::uint32_t>(id)) : id;
}

}  // namespace

std::int32_t ReferenceCleanup(const std::int32_t* count, curvix_sounding* records,
                              float SearchRadius, float Tolerance, float MinThreshold,
                              float WeightAtMinZ, float WeightAtMaxZ, float FarWeight,
                              float ThresholdPercent, std::int32_t MeanOnly,
                              std::int32_t* acceptedCount, std::int32_t* rejectedCount,
                              std::vector<std::vector<float>>* residualsByPass) {
  const int n = *count;
  if (n < 1) {
    *acceptedCount = 0;
    *rejectedCount = 0;
    return 0;
  }
  std::vector<float> Lat(n + 1), Lon(n + 1), Z(n + 1), Weight(n + 1);
  std::vector<std::int32_t> Id(n + 1);
  for (int i = 1; i <= n; ++i) {
    Lat[i] = records[i - 1].Lat;
    Lon[i] = records[i - 1].Lon;
    Z[i] = records[i - 1].Z;
    Weight[i] = records[i - 1].Weight;
    Id[i] = records[i - 1].Id;
  }

  // Preparation.
  double minLat = 1000000, maxLat = -1000000, minLon = 1000000, maxLon = -1000000;
  float MaxWeight = 0;
  for (int i = 1; i <= n; ++i) {
    if (Lat[i] < minLat) minLat = Lat[i];
    if (Lat[i] > maxLat) maxLat = Lat[i];
    if (Lon[i] < minLon) minLon = Lon[i];
    if (Lon[i] > maxLon) maxLon = Lon[i];
    if (Weight[i] > MaxWeight) MaxWeight = Weight[i];
  }
  const double mLat = (minLat + maxLat) / 2;
  const double mLon = (minLon + maxLon) / 2;
  const double c0 = std::cos(mLat);
  std::vector<float> x(n + 1), y(n + 1);
  for (int i = 1; i <= n; ++i) {
    x[i] = static_cast<float>((Lon[i] - mLon) * std::cos(static_cast<double>(Lat[i])) / c0 *
                              110000);
    y[i] = static_cast<float>((Lat[i] - mLat) * 110000);
  }
  std::vector<int> index(n + 1);
  for (int i = 1; i <= n; ++i) {
    index[i] = i;
  }
  ShellSort(index, n, x);
  std::vector<float> Residual(n + 1);
  std::vector<char> NoEstimate(n + 1, 0);
  double boxX0 = -1e10, boxX1 = 1e10, boxY0 = -1e10, boxY1 = 1e10;
  int Kept = n;
  const double r0 = SearchRadius;

  for (int pass = 1;; ++pass) {
    // 1.
    const int KeptBefore = Kept;
    boxX0 -= r0;
    boxX1 += r0;
    boxY0 -= r0;
    boxY1 += r0;

    // 2. Residuals.
    for (int ip = 1; ip <= n; ++ip) {
      const int p = index[ip];
      if (!(Weight[p] > 0)) {
        continue;
      }
      if (pass > 1 && !(x[p] >= boxX0 && x[p] <= boxX1 && y[p] >= boxY0 && y[p] <= boxY1)) {
        continue;
      }
      // a. Neighbour search.
      double r = r0;
      int held = 0;
      std::vector<int> nq(K + 2);
      std::vector<double> nd(K + 2);
      auto meet = [&](int q) {  // false: stop walking this way
        if (std::trunc(std::fabs(static_cast<double>(x[p]) - x[q])) > r) {
          return false;
        }
        if (std::trunc(std::fabs(static_cast<double>(y[p]) - y[q])) >= r) {
          return true;
        }
        const double dx = static_cast<double>(x[p]) - x[q];
        const double dy = static_cast<double>(y[p]) - y[q];
        const double d = std::sqrt(dx * dx + dy * dy) * Weight[q] / MaxWeight;
        if (d < r) {
          if (held < K) {
            ++held;
            nq[held] = q;
            nd[held] = d;
          } else {
            nq[K + 1] = q;
            nd[K + 1] = d;
            std::vector<int> order(K + 2);
            for (int i = 1; i <= K + 1; ++i) {
              order[i] = i;
            }
            ShellSort(order, K + 1, nd);
            const int farthest = order[K + 1];
            if (farthest != K + 1) {
              nq[farthest] = q;
              nd[farthest] = d;
            }
            r = nd[order[K]];
          }
        }
        return true;
      };
      for (int iq = ip - 1; iq >= 1; --iq) {
        if (Weight[index[iq]] > 0 && !meet(index[iq])) {
          break;
        }
      }
      for (int iq = ip + 1; iq <= n; ++iq) {
        if (Weight[index[iq]] > 0 && !meet(index[iq])) {
          break;
        }
      }

      // b.
      if ((MeanOnly == 0 && held < 3) || (MeanOnly != 0 && held < 1)) {
        Residual[p] = -99999;
        NoEstimate[p] = 1;
        continue;
      }
      NoEstimate[p] = 0;

      // c. Depth weights.
      double zlo = Z[p], zhi = Z[p];
      for (int i = 1; i <= held; ++i) {
        if (Z[nq[i]] < zlo) zlo = Z[nq[i]];
        if (Z[nq[i]] > zhi) zhi = Z[nq[i]];
      }
      double a, b;
      if (zlo == zhi) {
        a = 0;
        b = WeightAtMinZ;
      } else {
        a = (static_cast<double>(WeightAtMaxZ) - WeightAtMinZ) / (zhi - zlo);
        b = WeightAtMinZ - a * zlo;
      }

      // d. Distance weights.
      const double dLast = nd[held];
      double g = (1 - static_cast<double>(FarWeight)) / (FarWeight * dLast);
      if (1 - static_cast<double>(FarWeight) == 0) {
        g = 0;
      }

      // e. Sums.
      const double wp = (a * Z[p] + b) * Weight[p];
      double W = wp, Sz = wp * Z[p];
      double Su = 0, Sv = 0, Suu = 0, Suv = 0, Svv = 0, Szu = 0, Szv = 0;
      for (int i = 1; i <= held; ++i) {
        const int q = nq[i];
        const double gd = nd[i] == 0 ? 0 : g * nd[i];
        const double w = (a * Z[q] + b) * Weight[q] / (gd + 1);
        const double u = (static_cast<double>(x[q]) - x[p]) / SearchRadius;
        const double v = (static_cast<double>(y[q]) - y[p]) / SearchRadius;
        W += w;
        Su += w * u;
        Sv += w * v;
        Suu += w * (u * u);
        Suv += w * u * v;
        Svv += w * (v * v);
        Sz += w * Z[q];
        Szu += w * Z[q] * u;
        Szv += w * Z[q] * v;
      }

      // f. Estimate.
      double e;
      if (MeanOnly != 0) {
        e = W == 0 ? -99999 : Sz / W;
      } else {
        const double d1 = Suu * Svv - Suv * Suv;
        const double d2 = Suv * W - Sv * Su;
        const double d3 = Suv * Su - Sv * Suu;
        const double D = (Su * Svv - Suv * Sv) * d3 - d2 * d1;
        if (std::trunc(std::fabs(D)) <= 1000000) {
          e = Sz / W;
        } else {
          e = (-Suv * d1 * Sz + (Sv * d1 + Svv * d3) * Szu - Suv * d3 * Szv) / D;
        }
      }
      // g.
      Residual[p] = static_cast<float>(Z[p] - e);
    }
    double smallest = 1e20, largest = -1e20;
    for (int i = 1; i <= n; ++i) {
      if (Weight[i] > 0 && !NoEstimate[i]) {
        if (Residual[i] < smallest) smallest = Residual[i];
        if (Residual[i] > largest) largest = Residual[i];
      }
    }

    // 3. Envelope.
    const double lo = std::min(smallest, -static_cast<double>(Tolerance));
    const double hi = std::max(largest, static_cast<double>(Tolerance));

    // 4. Classification.
    double newX0 = INFINITY, newX1 = -INFINITY, newY0 = INFINITY, newY1 = -INFINITY;
    int KeptNow = 0;
    for (int i = 1; i <= n; ++i) {
      if (!(Weight[i] > 0)) {
        continue;
      }
      double tl = static_cast<double>(ThresholdPercent) / 100 * lo;
      if (tl > -static_cast<double>(MinThreshold)) tl = -static_cast<double>(MinThreshold);
      double th = static_cast<double>(ThresholdPercent) / 100 * hi;
      if (th < MinThreshold) th = MinThreshold;
      if (std::trunc(std::fabs(tl)) > th) tl = -th;
      if (Residual[i] < tl || Residual[i] > th) {
        Weight[i] = -std::fabs(std::trunc(Weight[i]));
        if (x[i] < newX0) newX0 = x[i];
        if (x[i] > newX1) newX1 = x[i];
        if (y[i] < newY0) newY0 = y[i];
        if (y[i] > newY1) newY1 = y[i];
      } else {
        ++KeptNow;
      }
    }
    Kept = KeptNow;
    if (residualsByPass != nullptr) {
      residualsByPass->emplace_back(Residual.begin() + 1, Residual.end());
    }
    boxX0 = newX0;
    boxX1 = newX1;
    boxY0 = newY0;
    boxY1 = newY1;

    // 5.
    if (!(Kept < KeptBefore)) {
      break;
    }
    if (!(std::max(std::trunc(std::fabs(lo)), std::trunc(std::fabs(hi))) > Tolerance)) {
      break;
    }
  }

  // Accepted list, then rejected list, each in input order.
  int accepted = 0;
  for (int i = 1; i <= n; ++i) {
    if (Weight[i] > 0) {
      records[accepted] = curvix_sounding{Lat[i], Lon[i], Z[i], Weight[i], Abs(Id[i])};
      ++accepted;
    }
  }
  int rejected = 0;
  for (int i = 1; i <= n; ++i) {
    if (!(Weight[i] > 0)) {
      const std::int32_t negative =
          static_cast<std::int32_t>(0u - static_cast<std::uint32_t>(Abs(Id[i])));
      records[accepted + rejected] = curvix_sounding{Lat[i], Lon[i], Z[i], -Weight[i], negative};
      ++rejected;
    }
  }
  *acceptedCount = accepted;
  *rejectedCount = rejected;
  return 0;
}

}  // namespace curvix_test

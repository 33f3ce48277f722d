#include "curvix/NeighbourSearch.h"

#include <cmath>
#include <limits>

#include "curvix/SearchThresholds.h"
#include "curvix/ShellSort.h"

namespace curvix {

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr std::int32_t kBandLimit = 1 << 22;

bool finite(double v) { return v - v == 0; }

void sift_down(Neighbours& nb, int at) {
  for (;;) {
    const int left = 2 * at + 1;
    if (left >= kNeighbours) {
      return;
    }
    int child = left;
    if (left + 1 < kNeighbours && nb.distance[nb.heap[left + 1]] > nb.distance[nb.heap[left]]) {
      child = left + 1;
    }
    if (!(nb.distance[nb.heap[child]] > nb.distance[nb.heap[at]])) {
      return;
    }
    const std::uint8_t t = nb.heap[at];
    nb.heap[at] = nb.heap[child];
    nb.heap[child] = t;
    at = child;
  }
}

void build_heap(Neighbours& nb) {
  for (int i = 0; i < kNeighbours; ++i) {
    nb.heap[i] = static_cast<std::uint8_t>(i);
  }
  for (int i = kNeighbours / 2 - 1; i >= 0; --i) {
    sift_down(nb, i);
  }
  nb.heaped = true;
}

// The slot the 17-entry sort leaves last when it is not the candidate's own.
int farthest_by_sort(const Neighbours& nb) {
  std::int32_t order[kNeighbours + 1];
  for (int i = 0; i <= kNeighbours; ++i) {
    order[i] = i;
  }
  shell_sort(order, kNeighbours + 1, [&nb](std::int32_t i) { return nb.distance[i]; });
  return order[kNeighbours];
}

// Offers a sounding at distance d < r. With 16 held it is the 17th: the 17 distances are ordered
// and the farthest is dropped, the radius becoming the 16th.
void offer(Neighbours& nb, std::int32_t pos, double d, double& r) {
  if (nb.count < kNeighbours) {
    nb.pos[nb.count] = pos;
    nb.distance[nb.count] = d;
    ++nb.count;
    return;
  }
  nb.pos[kNeighbours] = pos;
  nb.distance[kNeighbours] = d;
  if (nb.heaped) {
    // The radius is the largest held distance, so the candidate is nearer than the farthest;
    // the 16th is then the largest distance after the farthest is replaced. Only a tie for the
    // farthest (a child of the heap's root as far as the root) needs the sort to tell which
    // entry it leaves last.
    const int root = nb.heap[0];
    const double top = nb.distance[root];
    if (nb.distance[nb.heap[1]] != top && nb.distance[nb.heap[2]] != top) {
      nb.pos[root] = pos;
      nb.distance[root] = d;
      sift_down(nb, 0);
      r = nb.distance[nb.heap[0]];
      return;
    }
    const int far = farthest_by_sort(nb);
    nb.pos[far] = pos;
    nb.distance[far] = d;
    build_heap(nb);
    r = top;
    return;
  }
  // The first time: the radius is still the search radius, and the candidate may be the
  // farthest itself. The farthest and the 16th are the largest and second largest distance.
  int far = kNeighbours;
  double top = d;
  int ties = 1;
  for (int i = 0; i < kNeighbours; ++i) {
    if (nb.distance[i] > top) {
      top = nb.distance[i];
      far = i;
      ties = 1;
    } else if (nb.distance[i] == top) {
      ++ties;
    }
  }
  double sixteenth = top;
  if (ties == 1) {
    sixteenth = -kInf;
    for (int i = 0; i <= kNeighbours; ++i) {
      if (i != far && nb.distance[i] > sixteenth) {
        sixteenth = nb.distance[i];
      }
    }
  } else {
    far = farthest_by_sort(nb);
  }
  if (far != kNeighbours) {
    nb.pos[far] = pos;
    nb.distance[far] = d;
  }
  r = sixteenth;
  build_heap(nb);
}

}  // namespace

double stop_threshold(double r) {
  if (std::isnan(r) || r == kInf) {
    return kNaN;
  }
  if (std::fabs(r) < 0x1p52) {
    return std::floor(r) + 1;
  }
  // Beyond 2^52 every double is an integer: the next one up (or, below zero, r itself, which
  // every a >= 0 passes).
  return r > 0 ? std::nextafter(r, kInf) : r;
}

double skip_threshold(double r) { return std::ceil(r); }

struct NeighbourSearch::Probe {
  double xp;
  double yp;
  double r;
  double stop_at;  // |dx| from which the walk in this direction ends
  double skip_at;  // |dy| from which a sounding is passed over

  void set_radius(double radius) {
    r = radius;
    stop_at = stop_threshold(radius);
    skip_at = skip_threshold(radius);
  }

  // Meets the active sounding at position pos; false ends the walk in this direction.
  bool meet(float xq, float yq, std::int32_t pos, const float* weight, double max_weight,
            Neighbours& nb) {
    const double dx = xp - xq;
    if (std::fabs(dx) >= stop_at) {
      return false;
    }
    const double dy = yp - yq;
    if (std::fabs(dy) >= skip_at) {
      return true;
    }
    const double d = std::sqrt(dx * dx + dy * dy) * weight[pos] / max_weight;
    if (d < r) {
      double shrunk = r;
      offer(nb, pos, d, shrunk);
      if (shrunk != r) {
        set_radius(shrunk);
      }
    }
    return true;
  }
};

bool NeighbourSearch::init(std::int32_t n, bool x_sorted, float radius, float max_weight) {
  radius_ = radius;
  max_weight_ = max_weight;
  // The bands need a finite radius to size them; an infinite one makes every sounding a
  // neighbour candidate and the plain walk is as good.
  banded_ = x_sorted && radius_ > 0 && finite(radius_);
  if (!banded_) {
    return true;
  }
  max_bands_ = n < kBandLimit ? n : kBandLimit;
  if (max_bands_ < 1) {
    max_bands_ = 1;
  }
  return members_.allocate(static_cast<std::size_t>(n)) &&
         band_start_.allocate(static_cast<std::size_t>(max_bands_) + 1) &&
         cursor_.allocate(static_cast<std::size_t>(max_bands_));
}

std::int32_t NeighbourSearch::band_of(double y) const {
  const double t = (y - band_origin_) * band_scale_;
  const std::int32_t b = t < bands_ ? static_cast<std::int32_t>(t) : bands_ - 1;
  return b < 0 ? 0 : b;
}

void NeighbourSearch::index(const XOrdered& s) {
  if (!banded_) {
    return;
  }
  // Only active soundings with finite x and y can be neighbours or have any.
  double ylo = kInf;
  double yhi = -kInf;
  for (std::int32_t k = 0; k < s.n; ++k) {
    if (s.weight[k] > 0 && finite(s.x[k]) && finite(s.y[k])) {
      ylo = s.y[k] < ylo ? s.y[k] : ylo;
      yhi = s.y[k] > yhi ? s.y[k] : yhi;
    }
  }
  band_origin_ = ylo;
  bands_ = 1;
  band_scale_ = 0;
  if (ylo <= yhi) {
    // A band a little higher than the largest |dy| a neighbour can have, ceil(radius): a sounding
    // two bands away from the probe's is then farther than that even after the rounding of the
    // band computation (bounded by 2^-28 of a band with at most 2^22 bands), so three bands hold
    // every candidate.
    double height = std::ceil(radius_) * (1 + 0x1p-20);
    const double span = yhi - ylo;
    if (max_bands_ > 1 && span / height > max_bands_ - 1) {
      height = span / (max_bands_ - 1) * (1 + 0x1p-20);
    }
    if (max_bands_ > 1) {
      band_scale_ = 1 / height;
      const double count = span * band_scale_ + 1;
      bands_ = count < max_bands_ ? static_cast<std::int32_t>(count) : max_bands_;
    }
  }

  // Counting sort by band; each band keeps the x order.
  for (std::int32_t b = 0; b <= bands_; ++b) {
    band_start_[b] = 0;
  }
  for (std::int32_t k = 0; k < s.n; ++k) {
    if (s.weight[k] > 0 && finite(s.x[k]) && finite(s.y[k])) {
      ++band_start_[band_of(s.y[k]) + 1];
    }
  }
  for (std::int32_t b = 0; b < bands_; ++b) {
    band_start_[b + 1] += band_start_[b];
    cursor_[b] = band_start_[b];
  }
  for (std::int32_t k = 0; k < s.n; ++k) {
    if (s.weight[k] > 0 && finite(s.x[k]) && finite(s.y[k])) {
      const std::int32_t b = band_of(s.y[k]);
      members_[cursor_[b]++] = Member{k, s.x[k], s.y[k]};
    }
  }
  for (std::int32_t b = 0; b < bands_; ++b) {
    cursor_[b] = band_start_[b];
  }
}

void NeighbourSearch::find(const XOrdered& s, std::int32_t k, Neighbours& out) {
  out.count = 0;
  // Weighted distances are never negative, so a radius that is not positive (or NaN) admits
  // nobody, and it never changes without an admission.
  if (!(radius_ > 0)) {
    return;
  }
  out.heaped = false;
  Probe probe{s.x[k], s.y[k], 0, 0, 0};
  probe.set_radius(radius_);
  if (banded_) {
    // From a sounding at an infinite or NaN position every distance is infinite or NaN.
    if (finite(probe.xp) && finite(probe.yp)) {
      walk_bands(s, k, probe, out);
    }
  } else {
    walk_order(s, k, probe, out);
  }
}

void NeighbourSearch::walk_order(const XOrdered& s, std::int32_t k, Probe& probe,
                                 Neighbours& out) const {
  for (std::int32_t q = k - 1; q >= 0; --q) {
    if (s.weight[q] > 0 && !probe.meet(s.x[q], s.y[q], q, s.weight, max_weight_, out)) {
      break;
    }
  }
  for (std::int32_t q = k + 1; q < s.n; ++q) {
    if (s.weight[q] > 0 && !probe.meet(s.x[q], s.y[q], q, s.weight, max_weight_, out)) {
      break;
    }
  }
}

// Candidates met on a walk, waiting for their turn: collected without a branch on whether they
// are near enough in y, which is as often so as not.
struct NeighbourSearch::Batch {
  static constexpr int kSize = 48;
  int count;
  std::int32_t pos[kSize];
  double dx[kSize];
  double dy[kSize];
  double d[kSize];
};

// Walks the three bands around the probe merged into x order. That meets the candidates in the
// order of the plain walk, and no later: with x sorted, |dx| only grows along a walk, so a
// sounding at which the plain walk would have stopped (in any band) is followed by candidates
// that all stop it too.
void NeighbourSearch::walk_bands(const XOrdered& s, std::int32_t k, Probe& probe,
                                 Neighbours& out) {
  const std::int32_t own = band_of(probe.yp);
  std::int32_t next[3];  // per band: the first member at or right of the probe
  std::int32_t first[3];
  std::int32_t end[3];
  for (int i = 0; i < 3; ++i) {
    const std::int32_t b = own - 1 + i;
    if (b < 0 || b >= bands_) {
      first[i] = end[i] = next[i] = 0;
      continue;
    }
    first[i] = band_start_[b];
    end[i] = band_start_[b + 1];
    std::int32_t c = cursor_[b];
    while (c < end[i] && members_[c].pos < k) {
      ++c;
    }
    cursor_[b] = c;
    next[i] = c;
  }
  std::int32_t left[3];
  std::int32_t right[3];
  for (int i = 0; i < 3; ++i) {
    left[i] = next[i] - 1;
    // The probe itself heads its own band's rightward stream.
    right[i] = next[i] < end[i] && members_[next[i]].pos == k ? next[i] + 1 : next[i];
    first[i] -= 1;  // leftward streams end before their band's first member
  }
  walk_streams<true>(s, left, first, probe, out);
  walk_streams<false>(s, right, end, probe, out);
}

// The usual walk: each stream on its own (no member waits for another stream's) collects its
// candidates up to the member that stops the walk at the current radius; their distances are
// computed together; then the three short lists are merged into walk order and met against the
// radius as it shrinks. A stream with more candidates than a batch holds (a radius spanning
// many soundings) leaves the walk to walk_merging.
// Which of three streams holds the next member in walk order (ties go to the lower stream).
template <bool Leftward>
inline int NextInWalkOrder(const std::int32_t (&head)[3]) {
  int t = 0;
  if (Leftward) {
    t = head[1] > head[t] ? 1 : t;
    t = head[2] > head[t] ? 2 : t;
  } else {
    t = head[1] < head[t] ? 1 : t;
    t = head[2] < head[t] ? 2 : t;
  }
  return t;
}

template <bool Leftward>
void NeighbourSearch::walk_streams(const XOrdered& s, const std::int32_t (&start)[3],
                                   const std::int32_t (&limit)[3], Probe& probe,
                                   Neighbours& out) const {
  Batch lists[3];
  for (int i = 0; i < 3; ++i) {
    Batch& l = lists[i];
    l.count = 0;
    for (std::int32_t j = start[i]; Leftward ? j > limit[i] : j < limit[i];
         j += Leftward ? -1 : 1) {
      const Member& m = members_[j];
      const double dx = probe.xp - m.x;
      if (std::fabs(dx) >= probe.stop_at) {
        break;
      }
      if (l.count == Batch::kSize) {
        walk_merging<Leftward>(s, start, limit, probe, out);
        return;
      }
      const double dy = probe.yp - m.y;
      l.pos[l.count] = m.pos;
      l.dx[l.count] = dx;
      l.dy[l.count] = dy;
      l.count += std::fabs(dy) < probe.skip_at ? 1 : 0;
    }
    for (int c = 0; c < l.count; ++c) {
      l.d[c] = std::sqrt(l.dx[c] * l.dx[c] + l.dy[c] * l.dy[c]) * s.weight[l.pos[c]] /
               max_weight_;
    }
  }
  constexpr std::int32_t kDone = Leftward ? -1 : std::numeric_limits<std::int32_t>::max();
  int at[3] = {0, 0, 0};
  for (;;) {
    std::int32_t head[3];
    for (int i = 0; i < 3; ++i) {
      head[i] = at[i] < lists[i].count ? lists[i].pos[at[i]] : kDone;
    }
    const int t = NextInWalkOrder<Leftward>(head);
    if (head[t] == kDone) {
      return;
    }
    const Batch& l = lists[t];
    const int c = at[t]++;
    if (std::fabs(l.dx[c]) >= probe.stop_at) {
      return;
    }
    if (std::fabs(l.dy[c]) >= probe.skip_at || !(l.d[c] < probe.r)) {
      continue;
    }
    double shrunk = probe.r;
    offer(out, l.pos[c], l.d[c], shrunk);
    if (shrunk != probe.r) {
      probe.set_radius(shrunk);
    }
  }
}

// The general walk over up to three streams of band members (leftward: from start down to
// limit, exclusive; rightward: up to limit), merged into walk order member by member, in
// batches: first the members up to the one that stops the walk at the current radius, keeping
// those close enough in y; then each of them in turn against the radius as it shrinks.
template <bool Leftward>
void NeighbourSearch::walk_merging(const XOrdered& s, const std::int32_t (&start)[3],
                                   const std::int32_t (&limit)[3], Probe& probe,
                                   Neighbours& out) const {
  constexpr std::int32_t kDone = Leftward ? -1 : std::numeric_limits<std::int32_t>::max();
  std::int32_t at[3];
  std::int32_t head[3];
  auto head_of = [&](int i) {
    const bool open = Leftward ? at[i] > limit[i] : at[i] < limit[i];
    return open ? members_[at[i]].pos : kDone;
  };
  for (int i = 0; i < 3; ++i) {
    at[i] = start[i];
    head[i] = head_of(i);
  }
  Batch batch;
  bool walking = true;
  while (walking) {
    batch.count = 0;
    while (batch.count < Batch::kSize) {
      const int t = NextInWalkOrder<Leftward>(head);
      if (head[t] == kDone) {
        walking = false;
        break;
      }
      const Member& m = members_[at[t]];
      const double dx = probe.xp - m.x;
      if (std::fabs(dx) >= probe.stop_at) {
        walking = false;
        break;
      }
      const double dy = probe.yp - m.y;
      batch.pos[batch.count] = m.pos;
      batch.dx[batch.count] = dx;
      batch.dy[batch.count] = dy;
      batch.count += std::fabs(dy) < probe.skip_at ? 1 : 0;
      at[t] += Leftward ? -1 : 1;
      head[t] = head_of(t);
    }
    for (int i = 0; i < batch.count; ++i) {
      const double dx = batch.dx[i];
      const double dy = batch.dy[i];
      batch.d[i] = std::sqrt(dx * dx + dy * dy) * s.weight[batch.pos[i]] / max_weight_;
    }
    // The radius may shrink along the batch: a member may then stop the walk or fall outside
    // in y after all.
    for (int i = 0; i < batch.count; ++i) {
      if (std::fabs(batch.dx[i]) >= probe.stop_at) {
        return;
      }
      if (std::fabs(batch.dy[i]) >= probe.skip_at) {
        continue;
      }
      if (batch.d[i] < probe.r) {
        double shrunk = probe.r;
        offer(out, batch.pos[i], batch.d[i], shrunk);
        if (shrunk != probe.r) {
          probe.set_radius(shrunk);
        }
      }
    }
  }
}

}  // namespace curvix

// The filter's neighbour search: up to 16 nearest active soundings by weighted distance, found by
// walking the x order outward from a sounding, left first, with a radius that shrinks to the
// 16th distance once 16 are held. Private to curvix.
#pragma once

#include <cstdint>

#include "curvix/Buffer.h"

namespace curvix {

constexpr int kNeighbours = 16;

// The neighbours in their slots; which slot a neighbour takes (and so the order of the fit's sums
// and the distance in the last slot) follows the walk.
struct Neighbours {
  int count;
  std::int32_t pos[kNeighbours + 1];  // positions in the x order; slot 16 is the candidate
  double distance[kNeighbours + 1];
  // Once 16 are held and the radius is their largest distance: the slots as a max-heap by
  // distance, so that the farthest is found without looking at all of them.
  bool heaped;
  std::uint8_t heap[kNeighbours];
};

// The soundings in x order, as the search reads them. weight > 0 marks an active sounding.
struct XOrdered {
  const float* x;
  const float* y;
  const float* weight;
  std::int32_t n;
};

// One object per filter call. The walk itself is kept (its result depends on the order in which
// soundings are met); what makes it fast is not visiting what cannot matter: soundings are also
// kept in horizontal bands, each band in x order, and a walk merges the three bands around the
// sounding instead of stepping over every sounding of the x order, whose y are mostly too far.
class NeighbourSearch {
 public:
  // x_sorted: whether the x that are not NaN never decrease along the order (a NaN stops the
  // shell sort from moving values past it; then every search steps along the whole order).
  [[nodiscard]] bool init(std::int32_t n, bool x_sorted, float radius, float max_weight);

  // Takes in the soundings active now; once per pass, before its first find.
  void index(const XOrdered& s);

  // Neighbours of the sounding at position k. Within a pass k must increase from call to call.
  void find(const XOrdered& s, std::int32_t k, Neighbours& out);

 private:
  struct Member {
    std::int32_t pos;
    float x;
    float y;
  };
  struct Probe;
  struct Batch;

  void walk_order(const XOrdered& s, std::int32_t k, Probe& probe, Neighbours& out) const;
  void walk_bands(const XOrdered& s, std::int32_t k, Probe& probe, Neighbours& out);
  template <bool Leftward>
  void walk_streams(const XOrdered& s, const std::int32_t (&start)[3],
                    const std::int32_t (&limit)[3], Probe& probe, Neighbours& out) const;
  template <bool Leftward>
  void walk_merging(const XOrdered& s, const std::int32_t (&start)[3],
                    const std::int32_t (&limit)[3], Probe& probe, Neighbours& out) const;
  std::int32_t band_of(double y) const;

  double radius_ = 0;
  double max_weight_ = 0;
  bool banded_ = false;  // the bands hold every sounding that can be a neighbour
  std::int32_t max_bands_ = 1;
  std::int32_t bands_ = 0;
  double band_origin_ = 0;
  double band_scale_ = 0;  // 1 / band height
  Buffer<Member> members_;
  Buffer<std::int32_t> band_start_;  // bands_ + 1 entries into members_
  Buffer<std::int32_t> cursor_;      // per band: first member at or right of the last probe
};

}  // namespace curvix

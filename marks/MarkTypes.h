#pragma once
// Mark type codes (MLTYPE) and the names every list shows for them.

#include <cstdint>

namespace velmara {

enum TMarkTypeCode : int32_t {
  mtFish = 1,
  mtDangerSign = 2,
  mtSphere = 3,
  mtCone = 6,
  mtCube = 7,
  mtLine = 100,
  mtBoatTrack = 101,
  mtNetTrack = 102,
  mtEndOfTable = -1,  // mark table only: the first slot after the last entry
  mtDeleted = 1000,   // mark table only: an entry deleted while the program runs
};

// "Fish", "Danger Sign", … ; "Unknown" for any code without a name.
const char* MarkTypeName(int32_t markType);

// Marks are the codes below 100; lines and tracks 100 to 102.
constexpr bool IsMarkType(int32_t markType) { return markType < mtLine; }
constexpr bool IsLineOrTrack(int32_t markType) { return markType >= mtLine && markType <= mtNetTrack; }

}  // namespace velmara

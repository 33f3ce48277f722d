#pragma once
// The logging program's side of the shared blocks: creates KVTNAUTREC_DATA and the plotter blocks
// TVP_Data, TVP_Marks and TVP_Lines with their mutexes, writes the vessel record under its mutex
// and removes every name again when destroyed.

#include <optional>

#include "link/VesselRecord.h"
#include "platform/SharedMemory.h"

namespace velmara::nautrec {

class NautrecBlocks {
public:
  // Throws std::system_error when a block cannot be created. replaceExisting removes blocks left
  // behind by a simulator that was killed.
  explicit NautrecBlocks(bool replaceExisting = false);

  // Runs `change` on the vessel record under its mutex; false when the mutex could not be had.
  template <typename Change>
  bool WithVessel(Change change, int timeoutMs = 5000) {
    if (vessel_.mutex().lock(timeoutMs) != platform::LockResult::Obtained) return false;
    change(*reinterpret_cast<TVesselRecord*>(vessel_.data()));
    vessel_.mutex().unlock();
    return true;
  }

  platform::SharedBlockOwner& vessel() { return vessel_; }
  platform::SharedBlockOwner& plotterData() { return plotterData_; }
  platform::SharedBlockOwner& plotterMarks() { return plotterMarks_; }
  platform::SharedBlockOwner& plotterLines() { return plotterLines_; }

private:
  platform::SharedBlockOwner vessel_, plotterData_, plotterMarks_, plotterLines_;
};

}  // namespace velmara::nautrec

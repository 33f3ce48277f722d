#pragma once
// One named shared block of another program, opened (never created) by name, mapped, and read or
// written in place while holding the block's mutex "<ShareName>_SMMutex".
//
// Calling order of every client: Open (retried until it succeeds), MapView once, then for each
// access Lock, copy a few fields, Unlock; at the end UnmapView and destroy. Nothing is reported:
// every failure is a false or null result. Main thread only.

#include <memory>
#include <string>
#include <vector>

#include "platform/SharedMemory.h"

namespace velmara {

class TKVTSharedMemory {
public:
  TKVTSharedMemory() = default;
  ~TKVTSharedMemory();  // closes and unmaps the views still mapped
  TKVTSharedMemory(const TKVTSharedMemory&) = delete;
  TKVTSharedMemory& operator=(const TKVTSharedMemory&) = delete;

  bool ReadOnly = false;  // map the view for reading only
  std::string ShareName;  // name of the block
  int Size = 0;           // bytes mapped
  int Timeout = -1;       // milliseconds to wait for the mutex; negative waits without limit
  bool Owner = false;     // marks the creator of the block; cleared on close

  // The component's name also names the block.
  void SetName(const std::string& name);
  const std::string& Name() const { return name_; }

  // True when open already. Fails (and holds nothing) when the block, or its mutex, does not
  // exist, or when the block is smaller than Size.
  bool Open();
  bool IsOpen() const { return block_.valid(); }
  // The whole block, Size bytes; nullptr when not open.
  void* MapView();
  // False when not open, or when the address is not a view of this block.
  bool UnmapView(void* address);
  // True only when the mutex was obtained normally: an abandoned mutex or a time-out gives false.
  bool Lock();
  bool Unlock();
  // Closes the block and its mutex; views already mapped stay valid until unmapped or destroyed.
  bool Close();

private:
  std::string name_;
  platform::SharedObject block_;
  platform::SharedMutex mutex_;
  std::vector<std::unique_ptr<platform::MappedView>> views_;
};

}  // namespace velmara

#include "link/KVTSharedMemory.h"

#include <algorithm>

namespace velmara {

TKVTSharedMemory::~TKVTSharedMemory() {
  Close();
  views_.clear();
}

void TKVTSharedMemory::SetName(const std::string& name) {
  name_ = name;
  ShareName = name;
}

bool TKVTSharedMemory::Open() {
  if (IsOpen()) return true;
  platform::SharedObject block = platform::SharedObject::Open(ShareName, !ReadOnly);
  if (!block.valid()) return false;
  // A peer that made the block smaller than we expect would have us read past its end.
  if (Size < 0 || block.size() < static_cast<std::size_t>(Size)) return false;
  platform::SharedMutex mutex = platform::SharedMutex::Open(ShareName);
  if (!mutex.valid()) return false;
  block_ = std::move(block);
  mutex_ = std::move(mutex);
  return true;
}

void* TKVTSharedMemory::MapView() {
  if (!IsOpen()) return nullptr;
  auto view = std::make_unique<platform::MappedView>(block_, static_cast<std::size_t>(Size), ReadOnly);
  if (!view->valid()) return nullptr;
  views_.push_back(std::move(view));
  return views_.back()->address();
}

bool TKVTSharedMemory::UnmapView(void* address) {
  if (!IsOpen()) return false;
  const auto found = std::find_if(views_.begin(), views_.end(),
                                  [address](const auto& view) { return view->address() == address; });
  if (found == views_.end()) return false;
  views_.erase(found);
  return true;
}

bool TKVTSharedMemory::Lock() {
  if (!IsOpen()) return false;
  return mutex_.lock(Timeout) == platform::LockResult::Obtained;
}

bool TKVTSharedMemory::Unlock() { return mutex_.unlock(); }

bool TKVTSharedMemory::Close() {
  // Views stay mapped, as a view outlives the handles it came from; they go with the object.
  block_ = platform::SharedObject();
  mutex_ = platform::SharedMutex();
  Owner = false;
  return true;
}

}  // namespace velmara

#pragma once
// Named shared memory between processes, the stand-in for named file mappings and named mutexes:
// a POSIX shared-memory object per block and a second small one, "<name>_SMMutex", holding a
// process-shared robust mutex. Programs in any language open the same names.
//
// Names are given without the leading "/". The environment variable VELMARA_SHM_PREFIX, when set,
// is put in front of every name, so that test runs and simulators can live side by side without
// touching the real blocks of a logging program.

#include <pthread.h>

#include <cstddef>
#include <string>

namespace velmara::platform {

// The name of a block's mutex object.
std::string MutexNameFor(const std::string& blockName);

// The POSIX object path for a block or mutex name ("/" + prefix + name).
std::string SharedObjectPath(const std::string& name);

// An opened (not created) shared-memory object: a file descriptor and its size. Move-only.
class SharedObject {
public:
  SharedObject() = default;
  ~SharedObject();
  SharedObject(SharedObject&& other) noexcept;
  SharedObject& operator=(SharedObject&& other) noexcept;
  SharedObject(const SharedObject&) = delete;
  SharedObject& operator=(const SharedObject&) = delete;

  // Opens an existing object for reading, or for reading and writing. Invalid on failure.
  static SharedObject Open(const std::string& name, bool writable);

  bool valid() const { return fd_ >= 0; }
  std::size_t size() const { return size_; }
  int fd() const { return fd_; }
  bool writable() const { return writable_; }

private:
  int fd_ = -1;
  std::size_t size_ = 0;
  bool writable_ = false;
};

// A mapped view of a shared object. Move-only; unmaps on destruction.
class MappedView {
public:
  MappedView() = default;
  // Maps `size` bytes from offset 0; refuses (invalid view) when the object is smaller.
  MappedView(const SharedObject& object, std::size_t size, bool readOnly);
  ~MappedView();
  MappedView(MappedView&& other) noexcept;
  MappedView& operator=(MappedView&& other) noexcept;
  MappedView(const MappedView&) = delete;
  MappedView& operator=(const MappedView&) = delete;

  bool valid() const { return address_ != nullptr; }
  void* address() const { return address_; }
  std::size_t size() const { return size_; }

private:
  void reset();
  void* address_ = nullptr;
  std::size_t size_ = 0;
};

enum class LockResult {
  Obtained,   // the mutex is ours
  TimedOut,   // held elsewhere for longer than the time-out
  Abandoned,  // its holder died; the mutex was made consistent and released again
  Failed,     // no mutex or a system error
};

// A robust process-shared mutex living in the shared object "<block>_SMMutex".
class SharedMutex {
public:
  SharedMutex() = default;
  // Opens the existing mutex of a block. Invalid when it does not exist or is too small.
  static SharedMutex Open(const std::string& blockName);

  bool valid() const { return view_.valid(); }
  // Waits up to timeoutMs milliseconds (without limit when negative).
  LockResult lock(int timeoutMs);
  bool unlock();

private:
  pthread_mutex_t* mutex() const { return static_cast<pthread_mutex_t*>(view_.address()); }
  MappedView view_;
};

// Creates a block and its mutex, as the logging program and the plotters do; removes both names
// when destroyed. Used by the simulators and by tests, never by the chart program itself.
class SharedBlockOwner {
public:
  SharedBlockOwner() = default;
  // Throws std::system_error when the block or its mutex cannot be created (a name already
  // taken included, unless replaceExisting removes the old names first).
  SharedBlockOwner(const std::string& name, std::size_t size, bool replaceExisting = false);
  ~SharedBlockOwner();
  SharedBlockOwner(SharedBlockOwner&& other) noexcept;
  SharedBlockOwner& operator=(SharedBlockOwner&& other) noexcept;
  SharedBlockOwner(const SharedBlockOwner&) = delete;
  SharedBlockOwner& operator=(const SharedBlockOwner&) = delete;

  const std::string& name() const { return name_; }
  unsigned char* data() const { return static_cast<unsigned char*>(block_.address()); }
  std::size_t size() const { return block_.size(); }
  SharedMutex& mutex() { return mutex_; }

  // Removes both names now (the mapping stays valid for whoever holds it).
  void unlink();

private:
  std::string name_;
  MappedView block_;
  SharedMutex mutex_;
  bool linked_ = false;
};

// Creates a mutex object only (to build a block without one, or with one of the wrong size, in
// tests). Returns false when it exists already.
bool CreateSharedMutexObject(const std::string& blockName);
void UnlinkSharedObject(const std::string& name);

}  // namespace velmara::platform

#include "platform/SharedMemory.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <system_error>
#include <utility>

namespace velmara::platform {
namespace {

[[noreturn]] void ThrowErrno(const std::string& what) {
  throw std::system_error(errno, std::generic_category(), what);
}

// Creates a new shared object of the given size, filled with zeros.
int CreateObject(const std::string& name, std::size_t size) {
  const std::string path = SharedObjectPath(name);
  const int fd = ::shm_open(path.c_str(), O_CREAT | O_EXCL | O_RDWR, 0666);
  if (fd < 0) return -1;
  ::fchmod(fd, 0666);  // other users' programs open it too, whatever our umask
  if (::ftruncate(fd, static_cast<off_t>(size)) != 0) {
    const int error = errno;
    ::close(fd);
    ::shm_unlink(path.c_str());
    errno = error;
    return -1;
  }
  return fd;
}

// pthread_mutex_timedlock counts on the realtime clock; its interceptor is what lets the thread
// sanitizer follow the lock.
timespec DeadlineAfter(int milliseconds) {
  timespec now{};
  ::clock_gettime(CLOCK_REALTIME, &now);
  long long nanoseconds = now.tv_nsec + static_cast<long long>(milliseconds % 1000) * 1000000LL;
  now.tv_sec += milliseconds / 1000 + nanoseconds / 1000000000LL;
  now.tv_nsec = static_cast<long>(nanoseconds % 1000000000LL);
  return now;
}

}  // namespace

std::string MutexNameFor(const std::string& blockName) { return blockName + "_SMMutex"; }

std::string SharedObjectPath(const std::string& name) {
  const char* prefix = std::getenv("VELMARA_SHM_PREFIX");
  return "/" + std::string(prefix ? prefix : "") + name;
}

// SharedObject

SharedObject::~SharedObject() {
  if (fd_ >= 0) ::close(fd_);
}

SharedObject::SharedObject(SharedObject&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), size_(std::exchange(other.size_, 0)), writable_(other.writable_) {}

SharedObject& SharedObject::operator=(SharedObject&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = std::exchange(other.fd_, -1);
    size_ = std::exchange(other.size_, 0);
    writable_ = other.writable_;
  }
  return *this;
}

SharedObject SharedObject::Open(const std::string& name, bool writable) {
  SharedObject object;
  const int fd = ::shm_open(SharedObjectPath(name).c_str(), writable ? O_RDWR : O_RDONLY, 0);
  if (fd < 0) return object;
  struct stat status {};
  if (::fstat(fd, &status) != 0) {
    ::close(fd);
    return object;
  }
  object.fd_ = fd;
  object.size_ = static_cast<std::size_t>(status.st_size);
  object.writable_ = writable;
  return object;
}

// MappedView

MappedView::MappedView(const SharedObject& object, std::size_t size, bool readOnly) {
  if (!object.valid() || size == 0 || size > object.size()) return;
  if (!readOnly && !object.writable()) return;
  void* address = ::mmap(nullptr, size, readOnly ? PROT_READ : PROT_READ | PROT_WRITE, MAP_SHARED, object.fd(), 0);
  if (address == MAP_FAILED) return;
  address_ = address;
  size_ = size;
}

MappedView::~MappedView() { reset(); }

MappedView::MappedView(MappedView&& other) noexcept
    : address_(std::exchange(other.address_, nullptr)), size_(std::exchange(other.size_, 0)) {}

MappedView& MappedView::operator=(MappedView&& other) noexcept {
  if (this != &other) {
    reset();
    address_ = std::exchange(other.address_, nullptr);
    size_ = std::exchange(other.size_, 0);
  }
  return *this;
}

void MappedView::reset() {
  if (address_) ::munmap(address_, size_);
  address_ = nullptr;
  size_ = 0;
}

// SharedMutex

SharedMutex SharedMutex::Open(const std::string& blockName) {
  SharedMutex mutex;
  const SharedObject object = SharedObject::Open(MutexNameFor(blockName), true);
  mutex.view_ = MappedView(object, sizeof(pthread_mutex_t), false);
  return mutex;
}

LockResult SharedMutex::lock(int timeoutMs) {
  if (!valid()) return LockResult::Failed;
  int result = 0;
  if (timeoutMs < 0) {
    result = ::pthread_mutex_lock(mutex());
  } else {
    const timespec deadline = DeadlineAfter(timeoutMs);
    result = ::pthread_mutex_timedlock(mutex(), &deadline);
  }
  switch (result) {
    case 0:
      return LockResult::Obtained;
    case EOWNERDEAD:
      // The holder died mid-access. We own it now: mark it usable again and let go, so that the
      // peer is never locked out by a mutex nobody will release.
      ::pthread_mutex_consistent(mutex());
      ::pthread_mutex_unlock(mutex());
      return LockResult::Abandoned;
    case ETIMEDOUT:
      return LockResult::TimedOut;
    default:
      return LockResult::Failed;
  }
}

bool SharedMutex::unlock() { return valid() && ::pthread_mutex_unlock(mutex()) == 0; }

// SharedBlockOwner

bool CreateSharedMutexObject(const std::string& blockName) {
  const std::string name = MutexNameFor(blockName);
  const int fd = CreateObject(name, sizeof(pthread_mutex_t));
  if (fd < 0) return false;
  void* address = ::mmap(nullptr, sizeof(pthread_mutex_t), PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
  ::close(fd);
  if (address == MAP_FAILED) {
    UnlinkSharedObject(name);
    return false;
  }
  pthread_mutexattr_t attributes;
  ::pthread_mutexattr_init(&attributes);
  ::pthread_mutexattr_setpshared(&attributes, PTHREAD_PROCESS_SHARED);
  ::pthread_mutexattr_setrobust(&attributes, PTHREAD_MUTEX_ROBUST);
  const int result = ::pthread_mutex_init(static_cast<pthread_mutex_t*>(address), &attributes);
  ::pthread_mutexattr_destroy(&attributes);
  ::munmap(address, sizeof(pthread_mutex_t));
  if (result != 0) UnlinkSharedObject(name);
  return result == 0;
}

void UnlinkSharedObject(const std::string& name) { ::shm_unlink(SharedObjectPath(name).c_str()); }

SharedBlockOwner::SharedBlockOwner(const std::string& name, std::size_t size, bool replaceExisting) : name_(name) {
  if (replaceExisting) {
    UnlinkSharedObject(name);
    UnlinkSharedObject(MutexNameFor(name));
  }
  const int fd = CreateObject(name, size);
  if (fd < 0) ThrowErrno("cannot create shared block " + name);
  linked_ = true;
  if (!CreateSharedMutexObject(name)) {
    const int error = errno;
    ::close(fd);
    unlink();
    errno = error;
    ThrowErrno("cannot create mutex of shared block " + name);
  }
  SharedObject object = SharedObject::Open(name, true);
  ::close(fd);
  block_ = MappedView(object, size, false);
  mutex_ = SharedMutex::Open(name);
  if (!block_.valid() || !mutex_.valid()) {
    unlink();
    ThrowErrno("cannot map shared block " + name);
  }
}

SharedBlockOwner::~SharedBlockOwner() { unlink(); }

SharedBlockOwner::SharedBlockOwner(SharedBlockOwner&& other) noexcept
    : name_(std::move(other.name_)),
      block_(std::move(other.block_)),
      mutex_(std::move(other.mutex_)),
      linked_(std::exchange(other.linked_, false)) {}

SharedBlockOwner& SharedBlockOwner::operator=(SharedBlockOwner&& other) noexcept {
  if (this != &other) {
    unlink();
    name_ = std::move(other.name_);
    block_ = std::move(other.block_);
    mutex_ = std::move(other.mutex_);
    linked_ = std::exchange(other.linked_, false);
  }
  return *this;
}

void SharedBlockOwner::unlink() {
  if (!linked_) return;
  UnlinkSharedObject(name_);
  UnlinkSharedObject(MutexNameFor(name_));
  linked_ = false;
}

}  // namespace velmara::platform

#include "platform/MessagePort.h"

#include <sys/eventfd.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QThread>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <future>
#include <map>
#include <mutex>

namespace velmara::platform {
namespace {

constexpr uint32_t DatagramMagic = 0x47534D56;  // "VMSG"

struct Datagram {
  uint32_t magic;
  uint32_t number;
  int64_t wParam;
  int64_t lParam;
};
static_assert(sizeof(Datagram) == 24);

// A message waiting for the main thread; a send from another thread waits on `handled`.
struct PendingMessage {
  std::string className;
  TWindowMessage message;
  std::promise<void>* handled = nullptr;
};

// Ports of this process by class name, and the queue that carries messages from other threads to
// the main thread. The queue is ours (a mutex and an eventfd that wakes a notifier on the main
// thread) rather than Qt's cross-thread calls, so that every hand-over is visible to the thread
// sanitizer. Ports come and go on the main thread only. A forked child inherits a copy of the map
// but not the ports: entries count only in their own process.
struct PortRegistry {
  std::mutex mutex;
  std::map<std::string, std::pair<pid_t, MessageHandler>> handlers;
  std::deque<PendingMessage> queue;
  int wakeFd = -1;
  std::unique_ptr<QSocketNotifier> wakeNotifier;
};

PortRegistry& Registry() {
  static PortRegistry registry;
  return registry;
}

// Runs a message on the main thread against whatever port has the class by then.
void Deliver(const std::string& className, const TWindowMessage& message) {
  MessageHandler handler;
  {
    std::lock_guard lock(Registry().mutex);
    const auto found = Registry().handlers.find(className);
    if (found == Registry().handlers.end() || found->second.first != ::getpid()) return;
    handler = found->second.second;  // a copy: the handler may close its own port
  }
  handler(message);
}

// Main thread: delivers everything queued so far.
void DrainQueue() {
  PortRegistry& registry = Registry();
  uint64_t wakeups = 0;
  if (registry.wakeFd >= 0) (void)!::read(registry.wakeFd, &wakeups, sizeof wakeups);
  for (;;) {
    PendingMessage pending;
    {
      std::lock_guard lock(registry.mutex);
      if (registry.queue.empty()) return;
      pending = std::move(registry.queue.front());
      registry.queue.pop_front();
    }
    Deliver(pending.className, pending.message);
    if (pending.handled) pending.handled->set_value();
  }
}

// Main thread, registry locked: the wake-up channel exists while any port does.
void StartQueueLocked() {
  PortRegistry& registry = Registry();
  if (registry.wakeFd >= 0) return;
  registry.wakeFd = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
  registry.wakeNotifier = std::make_unique<QSocketNotifier>(registry.wakeFd, QSocketNotifier::Read);
  QObject::connect(registry.wakeNotifier.get(), &QSocketNotifier::activated, [] { DrainQueue(); });
}

// Main thread, registry locked, last port gone: releases waiting senders and the channel.
void StopQueueLocked() {
  PortRegistry& registry = Registry();
  for (PendingMessage& pending : registry.queue)
    if (pending.handled) pending.handled->set_value();
  registry.queue.clear();
  registry.wakeNotifier.reset();
  if (registry.wakeFd >= 0) ::close(registry.wakeFd);
  registry.wakeFd = -1;
}

// Queues a message for a port of this process; false when there is none.
bool Enqueue(const std::string& className, const TWindowMessage& message, std::promise<void>* handled) {
  PortRegistry& registry = Registry();
  std::lock_guard lock(registry.mutex);
  const auto found = registry.handlers.find(className);
  if (found == registry.handlers.end() || found->second.first != ::getpid() || registry.wakeFd < 0) return false;
  registry.queue.push_back({className, message, handled});
  const uint64_t one = 1;
  (void)!::write(registry.wakeFd, &one, sizeof one);
  return true;
}

bool LocalPortExists(const std::string& className) {
  std::lock_guard lock(Registry().mutex);
  const auto found = Registry().handlers.find(className);
  return found != Registry().handlers.end() && found->second.first == ::getpid();
}

bool OnMainThread() {
  const QCoreApplication* app = QCoreApplication::instance();
  return app && QThread::currentThread() == app->thread();
}

sockaddr_un SocketAddress(const std::string& className) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const std::string path = MessagePortDirectory() + "/" + className;
  std::strncpy(address.sun_path, path.c_str(), sizeof(address.sun_path) - 1);
  return address;
}

// Sends one datagram to another process's port; false when nobody listens there.
bool SendDatagram(const std::string& className, const TWindowMessage& message) {
  const int fd = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return false;
  const sockaddr_un address = SocketAddress(className);
  const Datagram datagram{DatagramMagic, message.number, message.wParam, message.lParam};
  const ssize_t sent = ::sendto(fd, &datagram, sizeof datagram, MSG_DONTWAIT,
                                reinterpret_cast<const sockaddr*>(&address), sizeof address);
  ::close(fd);
  return sent == static_cast<ssize_t>(sizeof datagram);
}

bool RemotePortExists(const std::string& className) {
  const int fd = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return false;
  const sockaddr_un address = SocketAddress(className);
  const bool listening = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
  ::close(fd);
  return listening;
}

}  // namespace

std::string MessagePortDirectory() {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  const std::string base = (runtime && *runtime) ? runtime : "/tmp/velmara-" + std::to_string(::getuid());
  return base + "/velmara-ports";
}

// The port's socket and its notifier on the main thread.
class MessagePort::Listener {
public:
  explicit Listener(const std::string& className) : className_(className) {
    const std::string directory = MessagePortDirectory();
    const std::string parent = directory.substr(0, directory.rfind('/'));
    ::mkdir(parent.c_str(), 0700);
    ::mkdir(directory.c_str(), 0700);
    fd_ = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd_ < 0) return;
    const sockaddr_un address = SocketAddress(className);
    auto bindSocket = [&] { return ::bind(fd_, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0; };
    bool bound = bindSocket();
    if (!bound && errno == EADDRINUSE && !RemotePortExists(className)) {
      ::unlink(address.sun_path);  // left behind by a program that died
      bound = bindSocket();
    }
    if (!bound) {
      ::close(fd_);
      fd_ = -1;
      return;
    }
    path_ = address.sun_path;
    notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { ReadAll(); });
  }

  ~Listener() {
    notifier_.reset();
    if (fd_ >= 0) {
      ::close(fd_);
      ::unlink(path_.c_str());
    }
  }

  bool bound() const { return fd_ >= 0; }

private:
  void ReadAll() {
    Datagram datagram{};
    ssize_t got = 0;
    while ((got = ::recv(fd_, &datagram, sizeof datagram, 0)) >= 0) {
      if (got != static_cast<ssize_t>(sizeof datagram) || datagram.magic != DatagramMagic) continue;
      Deliver(className_, {datagram.number, datagram.wParam, datagram.lParam});
    }
  }

  std::string className_;
  std::string path_;
  int fd_ = -1;
  std::unique_ptr<QSocketNotifier> notifier_;
};

MessagePort::MessagePort(std::string className, MessageHandler handler) : className_(std::move(className)) {
  {
    std::lock_guard lock(Registry().mutex);
    Registry().handlers[className_] = {::getpid(), std::move(handler)};
    StartQueueLocked();
  }
  listener_ = std::make_unique<Listener>(className_);
}

MessagePort::~MessagePort() {
  listener_.reset();
  std::lock_guard lock(Registry().mutex);
  Registry().handlers.erase(className_);
  if (Registry().handlers.empty()) StopQueueLocked();
}

bool MessagePort::reachableFromOtherProcesses() const { return listener_ && listener_->bound(); }

bool FindWindow(const std::string& className) { return LocalPortExists(className) || RemotePortExists(className); }

bool PostMessage(const std::string& className, const TWindowMessage& message) {
  return Enqueue(className, message, nullptr) || (!LocalPortExists(className) && SendDatagram(className, message));
}

bool SendMessage(const std::string& className, const TWindowMessage& message) {
  if (!LocalPortExists(className)) return SendDatagram(className, message);
  if (OnMainThread()) {
    Deliver(className, message);
    return true;
  }
  std::promise<void> handled;
  std::future<void> done = handled.get_future();
  if (!Enqueue(className, message, &handled)) return false;
  done.wait();
  return true;
}

}  // namespace velmara::platform

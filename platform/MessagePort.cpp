#include "platform/MessagePort.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QMetaObject>
#include <QSocketNotifier>
#include <QThread>
#include <cerrno>
#include <cstdlib>
#include <cstring>
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

// Ports of this process by class name. Ports come and go on the main thread only; other threads
// look them up under the lock.
// A forked child inherits a copy of the map but not the ports: entries count in their own process.
struct PortRegistry {
  std::mutex mutex;
  std::map<std::string, std::pair<pid_t, MessageHandler>> handlers;
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

bool LocalPortExists(const std::string& className) {
  std::lock_guard lock(Registry().mutex);
  const auto found = Registry().handlers.find(className);
  return found != Registry().handlers.end() && found->second.first == ::getpid();
}

QObject* MainThreadContext() { return QCoreApplication::instance(); }

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
  }
  listener_ = std::make_unique<Listener>(className_);
}

MessagePort::~MessagePort() {
  listener_.reset();
  std::lock_guard lock(Registry().mutex);
  Registry().handlers.erase(className_);
}

bool MessagePort::reachableFromOtherProcesses() const { return listener_ && listener_->bound(); }

bool FindWindow(const std::string& className) { return LocalPortExists(className) || RemotePortExists(className); }

bool PostMessage(const std::string& className, const TWindowMessage& message) {
  if (!LocalPortExists(className)) return SendDatagram(className, message);
  QObject* context = MainThreadContext();
  if (!context) return false;
  return QMetaObject::invokeMethod(context, [className, message] { Deliver(className, message); },
                                   Qt::QueuedConnection);
}

bool SendMessage(const std::string& className, const TWindowMessage& message) {
  if (!LocalPortExists(className)) return SendDatagram(className, message);
  QObject* context = MainThreadContext();
  if (!context) return false;
  if (QThread::currentThread() == context->thread()) {
    Deliver(className, message);
    return true;
  }
  return QMetaObject::invokeMethod(context, [className, message] { Deliver(className, message); },
                                   Qt::BlockingQueuedConnection);
}

}  // namespace velmara::platform

#pragma once
// Window messages between windows of this program and other programs: the stand-in for finding a
// window by class name and sending or posting numbered messages to it.
//
// A window that receives messages owns a MessagePort registered under its class name. Inside this
// process a post is a queued call onto the main thread, and a send from another thread blocks until
// the main thread has handled it. Other processes reach the port through a Unix datagram socket
// named after the class in the user's runtime directory ($XDG_RUNTIME_DIR/velmara-ports); between
// processes a send needs no answer and travels like a post.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace velmara::platform {

struct TWindowMessage {
  uint32_t number = 0;
  int64_t wParam = 0;
  int64_t lParam = 0;
};

using MessageHandler = std::function<void(const TWindowMessage&)>;

// Receives the messages sent to one window class. Create and destroy it on the main thread (the
// thread of the QCoreApplication); the handler runs there. One port per class name in a process.
class MessagePort {
public:
  MessagePort(std::string className, MessageHandler handler);
  ~MessagePort();
  MessagePort(const MessagePort&) = delete;
  MessagePort& operator=(const MessagePort&) = delete;

  const std::string& className() const { return className_; }
  // True when other processes can reach this port (its socket is bound).
  bool reachableFromOtherProcesses() const;

private:
  class Listener;
  std::string className_;
  std::unique_ptr<Listener> listener_;
};

// Whether a window of that class exists, in this process or another.
bool FindWindow(const std::string& className);
// Queues the message for the window's thread; false when there is no such window.
bool PostMessage(const std::string& className, const TWindowMessage& message);
// On the main thread the handler runs at once; from another thread of this process the call
// blocks until the main thread has handled it; to another process it travels like a post.
bool SendMessage(const std::string& className, const TWindowMessage& message);

// The folder holding the ports' sockets.
std::string MessagePortDirectory();

}  // namespace velmara::platform

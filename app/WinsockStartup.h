// The main window's Winsock start-up guard. The program sends no request of
// its own; the main window owns this component so that the process's socket
// layer (Windows Sockets 2.2) is up while the window lives, and a failure
// there fails the creation of the window with "Winsock Initialization Error.".
// Freeing it releases the layer.
#pragma once

#include <functional>

#include "tkComponent.h"

namespace kinopod {

class EWinsockError : public tk::Exception {
 public:
  EWinsockError() : tk::Exception("Winsock Initialization Error.") {}
};

class TWinsockStartup : public tk::TComponent {
 public:
  explicit TWinsockStartup(tk::TComponent* owner);
  ~TWinsockStartup() override;
  bool SocketsStarted() const { return started_; }

  // The socket layer's start-up (WSAStartup for version 2.2, 0 on success)
  // and release; tests replace them.
  struct SocketLayer {
    std::function<int()> Startup;
    std::function<void()> Cleanup;
  };
  static SocketLayer& Layer();

 private:
  bool started_ = false;
};

}  // namespace kinopod

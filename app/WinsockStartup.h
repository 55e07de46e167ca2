// The main window's HTTP client component. The program never sends a request
// through it; creating it brings up the process's socket layer (Windows
// Sockets 2.2), and a failure there fails the creation of the form that owns
// it with "Winsock Initialization Error.". Freeing it releases the layer.
#pragma once

#include <functional>

#include "tkComponent.h"

namespace kinopod {

class EWinsockError : public tk::Exception {
 public:
  EWinsockError() : tk::Exception("Winsock Initialization Error.") {}
};

class THttpClient : public tk::TComponent {
 public:
  explicit THttpClient(tk::TComponent* owner);
  ~THttpClient() override;
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

#include "WinsockStartup.h"

#include <winsock2.h>

namespace kinopod {

namespace {

int StartSockets() {
  WSADATA data{};
  int rc = WSAStartup(MAKEWORD(2, 2), &data);
  if (rc == 0 && data.wVersion != MAKEWORD(2, 2)) {
    // A layer that cannot give 2.2 is a failure too: release what it gave.
    WSACleanup();
    return WSAVERNOTSUPPORTED;
  }
  return rc;
}

}  // namespace

TWinsockStartup::SocketLayer& TWinsockStartup::Layer() {
  static SocketLayer layer{StartSockets, [] { WSACleanup(); }};
  return layer;
}

TWinsockStartup::TWinsockStartup(tk::TComponent* owner) : tk::TComponent(owner) {
  if (Layer().Startup() != 0) throw EWinsockError();
  started_ = true;
}

TWinsockStartup::~TWinsockStartup() {
  if (started_) Layer().Cleanup();
}

}  // namespace kinopod

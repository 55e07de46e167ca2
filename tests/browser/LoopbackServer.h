// A tiny HTTP server on the loopback interface for navigation tests: it
// records the request line of every connection and answers with a small page.
#pragma once

#include <winsock2.h>
#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class LoopbackServer {
 public:
  LoopbackServer() {
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
    listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = 0;
    bind(listener_, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
    int len = sizeof addr;
    getsockname(listener_, reinterpret_cast<sockaddr*>(&addr), &len);
    port_ = ntohs(addr.sin_port);
    listen(listener_, 8);
    thread_ = std::thread([this] { Serve(); });
  }
  ~LoopbackServer() {
    stop_ = true;
    closesocket(listener_);
    thread_.join();
    WSACleanup();
  }
  int Port() const { return port_; }
  std::vector<std::string> Requests() {
    std::lock_guard<std::mutex> lock(mutex_);
    return requests_;
  }

 private:
  void Serve() {
    while (!stop_) {
      SOCKET client = accept(listener_, nullptr, nullptr);
      if (client == INVALID_SOCKET) break;
      std::string head;
      char buffer[4096];
      while (head.find("\r\n\r\n") == std::string::npos && head.size() < 65536) {
        int n = recv(client, buffer, sizeof buffer, 0);
        if (n <= 0) break;
        head.append(buffer, n);
      }
      {
        std::lock_guard<std::mutex> lock(mutex_);
        requests_.push_back(head.substr(0, head.find("\r\n")));
        heads_.push_back(head);
      }
      const char reply[] =
          "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\nContent-Length: 27\r\nConnection: close\r\n\r\n"
          "<html><body>ok</body></html>";
      send(client, reply, sizeof reply - 1, 0);
      shutdown(client, SD_BOTH);
      closesocket(client);
    }
  }

 public:
  std::vector<std::string> Heads() {
    std::lock_guard<std::mutex> lock(mutex_);
    return heads_;
  }

 private:
  SOCKET listener_ = INVALID_SOCKET;
  int port_ = 0;
  std::atomic<bool> stop_{false};
  std::thread thread_;
  std::mutex mutex_;
  std::vector<std::string> requests_, heads_;
};

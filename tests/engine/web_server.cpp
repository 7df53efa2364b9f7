#include "web_server.h"

#include <stdexcept>

#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>
using SocketHandle = SOCKET;
const SocketHandle kNoSocket = INVALID_SOCKET;
const int kSendFlags = 0;
const int kShutSend = SD_SEND;
static void closeSocket(SocketHandle s) { closesocket(s); }
#else
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/select.h>
#include <sys/socket.h>
#include <unistd.h>
using SocketHandle = int;
const SocketHandle kNoSocket = -1;
const int kSendFlags = MSG_NOSIGNAL;  // a client that went away must not end the test run
const int kShutSend = SHUT_WR;
static void closeSocket(SocketHandle s) { ::close(s); }
#endif

namespace vokan::test {

namespace {

// True when `s` becomes readable (or its peer closes) within `ms`.
bool readable(SocketHandle s, int ms) {
    fd_set set;
    FD_ZERO(&set);
    FD_SET(s, &set);
    timeval tv{ms / 1000, (ms % 1000) * 1000};
    return select(static_cast<int>(s) + 1, &set, nullptr, nullptr, &tv) > 0;
}

bool sendAll(SocketHandle s, const char* data, std::size_t size) {
    while (size > 0) {
        int chunk = size > 65536 ? 65536 : static_cast<int>(size);
        int sent = ::send(s, data, chunk, kSendFlags);
        if (sent <= 0) return false;
        data += sent;
        size -= static_cast<std::size_t>(sent);
    }
    return true;
}

}  // namespace

WebServer::WebServer() {
#ifdef _WIN32
    static const int started = [] { WSADATA data; return WSAStartup(MAKEWORD(2, 2), &data); }();
    (void)started;
#endif
    SocketHandle s = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (s == kNoSocket || ::bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::getsockname(s, reinterpret_cast<sockaddr*>(&address), &length) != 0 || ::listen(s, 16) != 0) {
        if (s != kNoSocket) closeSocket(s);
        throw std::runtime_error("the test web server cannot listen on 127.0.0.1");
    }
    port_ = ntohs(address.sin_port);
    listener_ = static_cast<long long>(s);
    acceptThread_ = std::thread([this] { acceptLoop(); });
}

WebServer::~WebServer() {
    stop_ = true;
    acceptThread_.join();
    for (std::thread& t : clients_) t.join();
    closeSocket(static_cast<SocketHandle>(listener_));
}

void WebServer::serve(const std::string& path, CannedResponse response) {
    std::lock_guard<std::mutex> lock(mutex_);
    routes_[path] = std::move(response);
}

// Waits for connections, checking for the stop request every 50 ms; each connection gets a
// thread of its own so that a stalled answer does not hold up the next request.
void WebServer::acceptLoop() {
    const SocketHandle listener = static_cast<SocketHandle>(listener_);
    while (!stop_) {
        if (!readable(listener, 50)) continue;
        SocketHandle client = ::accept(listener, nullptr, nullptr);
        if (client != kNoSocket) clients_.emplace_back([this, client] { answer(static_cast<long long>(client)); });
    }
}

void WebServer::answer(long long handle) {
    const SocketHandle client = static_cast<SocketHandle>(handle);
    // The request: everything up to the blank line that ends its headers.
    std::string request;
    char buffer[4096];
    while (request.find("\r\n\r\n") == std::string::npos && request.size() < 65536) {
        if (stop_ || !readable(client, 5000)) break;
        int got = ::recv(client, buffer, sizeof buffer, 0);
        if (got <= 0) break;
        request.append(buffer, static_cast<std::size_t>(got));
    }
    // The target of "GET <path> HTTP/1.1"; a request line cut short gives a path never served.
    const std::size_t start = request.find(' ') + 1;
    const std::string path = request.substr(start, request.find(' ', start) - start);
    ++requests_;

    CannedResponse response{404, "Content-Type: text/plain\r\n", "no such page\n"};
    {
        std::lock_guard<std::mutex> lock(mutex_);
        auto found = routes_.find(path);
        if (found != routes_.end()) response = found->second;
    }
    std::string head = "HTTP/1.1 " + std::to_string(response.status) + " Canned\r\n" + response.headers;
    if (response.sendLength) head += "Content-Length: " + std::to_string(response.body.size()) + "\r\n";
    head += "Connection: close\r\n\r\n";

    const std::size_t now = response.stallAfter < response.body.size() ? response.stallAfter : response.body.size();
    if (sendAll(client, head.data(), head.size()) && sendAll(client, response.body.data(), now) &&
        now < response.body.size() && !response.closeAtStall) {
        // Silence, as a server that hangs: until the client gives up or the test ends.
        while (!stop_ && !readable(client, 50)) continue;
    }
    shutdown(client, kShutSend);
    closeSocket(client);
}

}  // namespace vokan::test

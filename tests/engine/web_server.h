#pragma once
// A small HTTP server for the web tests: it listens on 127.0.0.1 on a port the system picks,
// answers each path with a canned response from its own threads, and stops when destroyed.
// Every connection gets one answer and is then closed.
#include <atomic>
#include <cstddef>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace vokan::test {

struct CannedResponse {
    int status = 200;
    std::string headers;  // extra header lines, each ending in "\r\n"
    std::string body;
    bool sendLength = true;  // with Content-Length; without, the body ends when the connection closes
    // Bytes of the body sent before the server goes silent (until the client gives up or the
    // server is stopped); npos: all.
    std::size_t stallAfter = std::string::npos;
    bool closeAtStall = false;  // close the connection there instead of going silent
};

class WebServer {
public:
    WebServer();  // throws, failing the test, when it cannot listen
    ~WebServer();

    void serve(const std::string& path, CannedResponse response);
    std::string url(const std::string& path) const { return "http://127.0.0.1:" + std::to_string(port_) + path; }
    // How many requests have been answered (or started to be) so far.
    int requests() const { return requests_; }

private:
    void acceptLoop();
    void answer(long long client);

    long long listener_ = -1;
    int port_ = 0;
    std::atomic<bool> stop_{false};
    std::atomic<int> requests_{0};
    std::mutex mutex_;
    std::map<std::string, CannedResponse> routes_;
    std::thread acceptThread_;
    std::vector<std::thread> clients_;
};

}  // namespace vokan::test

// Downloads with WinINet, a system DLL. Redirects are followed here rather than by WinINet,
// so that their number is bounded and each target is checked to be http or https.
//
// WinINet's own time-outs are set, but not every WinINet honours them (Wine's waits for a
// silent server for good), so the transfer runs in a worker thread and the caller watches
// the time since data last came. On a stall the caller gives up and leaves the worker to end
// on its own; everything the worker touches is shared and lives until both are done.
#include "engine/download.h"

#include "engine/http_text.h"

#include <windows.h>
#include <wininet.h>

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <new>
#include <system_error>
#include <thread>
#include <vector>

namespace vokan {

namespace {

// Owns one WinINet handle.
class Handle {
public:
    explicit Handle(HINTERNET h = nullptr) : h_(h) {}
    ~Handle() {
        if (h_) InternetCloseHandle(h_);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    void reset(HINTERNET h) {
        if (h_) InternetCloseHandle(h_);
        h_ = h;
    }
    HINTERNET get() const { return h_; }
    explicit operator bool() const { return h_ != nullptr; }

private:
    HINTERNET h_;
};

bool startsWithNoCase(const std::string& s, const char* prefix) {
    for (std::size_t i = 0; prefix[i]; ++i) {
        if (i >= s.size()) return false;
        char c = s[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != prefix[i]) return false;
    }
    return true;
}

bool isWebAddress(const std::string& url) {
    return startsWithNoCase(url, "http://") || startsWithNoCase(url, "https://");
}

bool isRedirect(DWORD status) {
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

// A text header of the answer; empty when it is absent.
std::string queryText(HINTERNET request, DWORD info) {
    std::vector<char> buffer(256);
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD size = static_cast<DWORD>(buffer.size());
        DWORD index = 0;
        if (HttpQueryInfoA(request, info, buffer.data(), &size, &index)) return std::string(buffer.data(), size);
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) return {};
        buffer.resize(static_cast<std::size_t>(size) + 1);
    }
    return {};
}

// The reason of a failed WinINet call, in English whatever the system's language.
std::string reasonOf(DWORD code, int stallSeconds) {
    switch (code) {
    case ERROR_INTERNET_TIMEOUT:
        return "no data came for " + std::to_string(stallSeconds) + " seconds";
    case ERROR_INTERNET_NAME_NOT_RESOLVED: return "the server's name cannot be found";
    case ERROR_INTERNET_CANNOT_CONNECT: return "cannot connect to the server";
    case ERROR_INTERNET_CONNECTION_ABORTED:
    case ERROR_INTERNET_CONNECTION_RESET: return "the connection was broken";
    case ERROR_INTERNET_INVALID_URL:
    case ERROR_INTERNET_UNRECOGNIZED_SCHEME: return "the address is not a valid web address";
    case ERROR_HTTP_INVALID_SERVER_RESPONSE: return "the server's answer cannot be understood";
    case ERROR_INTERNET_INVALID_CA:
    case ERROR_INTERNET_SEC_CERT_CN_INVALID:
    case ERROR_INTERNET_SEC_CERT_DATE_INVALID:
    case ERROR_INTERNET_SEC_CERT_ERRORS:
    case ERROR_INTERNET_SEC_CERT_REVOKED:
    case ERROR_INTERNET_SEC_INVALID_CERT: return "the server's certificate is not valid";
    default: return "network error " + std::to_string(code);
    }
}

std::string megabytes(std::uint64_t bytes) {
    if (bytes % (1024 * 1024) == 0) return std::to_string(bytes / (1024 * 1024)) + " MB";
    return std::to_string(bytes) + " bytes";
}

// The Content-Length of the answer; false when there is none or it is not a number.
bool announcedLength(HINTERNET request, std::uint64_t& length) {
    const std::string text = queryText(request, HTTP_QUERY_CONTENT_LENGTH);
    if (text.empty() || text.size() > 19) return false;
    length = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        length = length * 10 + static_cast<std::uint64_t>(c - '0');
    }
    return true;
}

using Clock = std::chrono::steady_clock;

// The state one transfer shares between the worker and the caller.
struct Transfer {
    std::string url;
    DownloadLimits limits;
    int stall = 1;

    std::mutex mutex;
    std::condition_variable changed;
    Clock::time_point lastData;  // when the last data (an answer, a chunk of body) came
    bool done = false;
    bool ok = false;
    DownloadedPage page;
    std::string error;

    void noteData() {
        std::lock_guard<std::mutex> lock(mutex);
        lastData = Clock::now();
        changed.notify_all();
    }
};

bool fetch(Transfer& transfer, DownloadedPage& page, std::string& error) {
    const std::string& url = transfer.url;
    const DownloadLimits& limits = transfer.limits;
    const int stall = transfer.stall;
    Handle session(InternetOpenA("Mozilla/5.0 (compatible; vokan)", INTERNET_OPEN_TYPE_PRECONFIG,
                                 nullptr, nullptr, 0));
    if (!session) {
        error = "the network library cannot be started";
        return false;
    }
    // Each wait (connecting, sending, every receive) is bounded by the stall time.
    DWORD timeout = static_cast<DWORD>(stall) * 1000;
    for (DWORD option : {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT,
                         INTERNET_OPTION_RECEIVE_TIMEOUT, INTERNET_OPTION_DATA_SEND_TIMEOUT,
                         INTERNET_OPTION_DATA_RECEIVE_TIMEOUT})
        InternetSetOptionA(session.get(), option, &timeout, sizeof timeout);

    const DWORD flags = INTERNET_FLAG_NO_AUTO_REDIRECT | INTERNET_FLAG_RELOAD |
                        INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_PRAGMA_NOCACHE |
                        INTERNET_FLAG_NO_COOKIES | INTERNET_FLAG_NO_UI | INTERNET_FLAG_NO_AUTH;
    std::string address = urlForRequest(url);
    Handle request;
    for (int redirects = 0;; ++redirects) {
        if (!isWebAddress(address)) {
            error = "a redirect leads to " + address + ", which is not a web address";
            return false;
        }
        request.reset(InternetOpenUrlA(session.get(), address.c_str(), nullptr, 0, flags, 0));
        if (!request) {
            error = reasonOf(GetLastError(), stall);
            return false;
        }
        transfer.noteData();
        DWORD status = 0, size = sizeof status, index = 0;
        if (!HttpQueryInfoA(request.get(), HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status,
                            &size, &index)) {
            error = "the server's answer cannot be understood";
            return false;
        }
        if (isRedirect(status)) {
            std::string location = queryText(request.get(), HTTP_QUERY_LOCATION);
            if (!location.empty()) {
                if (redirects >= limits.maxRedirects) {
                    error = "more than " + std::to_string(limits.maxRedirects) + " redirects";
                    return false;
                }
                // The target may be relative to the address that answered.
                location = urlForRequest(location);
                std::vector<char> combined(address.size() + location.size() + 64);
                DWORD length = static_cast<DWORD>(combined.size());
                if (!InternetCombineUrlA(address.c_str(), location.c_str(), combined.data(), &length,
                                         ICU_NO_ENCODE)) {
                    combined.resize(static_cast<std::size_t>(length) + 1);
                    length = static_cast<DWORD>(combined.size());
                    if (!InternetCombineUrlA(address.c_str(), location.c_str(), combined.data(),
                                             &length, ICU_NO_ENCODE)) {
                        error = "a redirect leads to an address that is not valid";
                        return false;
                    }
                }
                address.assign(combined.data(), length);
                continue;
            }
        }
        if (!isSuccessStatus(status)) {
            error = "the server answered with status " + std::to_string(status);
            return false;
        }
        break;
    }

    page.charset = charsetFromContentType(queryText(request.get(), HTTP_QUERY_CONTENT_TYPE));
    std::vector<char> buffer(64 * 1024);
    for (;;) {
        DWORD got = 0;
        if (!InternetReadFile(request.get(), buffer.data(), static_cast<DWORD>(buffer.size()), &got)) {
            error = reasonOf(GetLastError(), stall);
            return false;
        }
        if (got == 0) break;
        transfer.noteData();
        if (page.body.size() + got > limits.maxBytes) {
            error = "the page is larger than " + megabytes(limits.maxBytes);
            return false;
        }
        page.body.append(buffer.data(), got);
    }
    // A connection closed before the announced length came ends the reading as if the page
    // were complete; only the length tells a cut page from a whole one.
    std::uint64_t announced = 0;
    if (announcedLength(request.get(), announced) && announced != page.body.size()) {
        error = "the connection was broken before the whole page came";
        return false;
    }
    return true;
}

void work(std::shared_ptr<Transfer> transfer) {
    DownloadedPage page;
    std::string error;
    bool ok = false;
    try {
        ok = fetch(*transfer, page, error);
    } catch (const std::bad_alloc&) {
        error = "out of memory";
    } catch (...) {
        error = "internal error";
    }
    std::lock_guard<std::mutex> lock(transfer->mutex);
    transfer->ok = ok;
    if (ok) transfer->page = std::move(page);
    transfer->error = std::move(error);
    transfer->done = true;
    transfer->changed.notify_all();
}

}  // namespace

bool download(const std::string& url, const DownloadLimits& limits, DownloadedPage& page,
              std::string& error) {
    page = DownloadedPage{};
    auto transfer = std::make_shared<Transfer>();
    transfer->url = url;
    transfer->limits = limits;
    transfer->stall = limits.stallSeconds > 0 ? limits.stallSeconds : 1;
    transfer->lastData = Clock::now();
    const auto stall = std::chrono::seconds(transfer->stall);

    std::thread worker;
    try {
        worker = std::thread(work, transfer);
    } catch (const std::system_error&) {
        error = "the download cannot be started";
        return false;
    }
    std::unique_lock<std::mutex> lock(transfer->mutex);
    while (!transfer->done && Clock::now() - transfer->lastData < stall)
        transfer->changed.wait_until(lock, transfer->lastData + stall);
    if (!transfer->done) {
        // Stalled: the worker is left blocked in WinINet and ends when its connection does.
        lock.unlock();
        worker.detach();
        error = "no data came for " + std::to_string(transfer->stall) + " seconds";
        return false;
    }
    lock.unlock();
    worker.join();
    if (!transfer->ok) {
        error = transfer->error;
        return false;
    }
    page = std::move(transfer->page);
    return true;
}

}  // namespace vokan

// Downloads with WinINet, a system DLL. Redirects are followed here rather than by WinINet,
// so that their number is bounded and each target is checked to be http or https.
#include "engine/download.h"

#include "engine/http_text.h"

#include <windows.h>
#include <wininet.h>

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

bool fetch(const std::string& url, const DownloadLimits& limits, DownloadedPage& page,
           std::string& error) {
    const int stall = limits.stallSeconds > 0 ? limits.stallSeconds : 1;
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
        if (got == 0) return true;
        if (page.body.size() + got > limits.maxBytes) {
            error = "the page is larger than " + megabytes(limits.maxBytes);
            return false;
        }
        page.body.append(buffer.data(), got);
    }
}

}  // namespace

bool download(const std::string& url, const DownloadLimits& limits, DownloadedPage& page,
              std::string& error) {
    page = DownloadedPage{};
    if (fetch(url, limits, page, error)) return true;
    page = DownloadedPage{};
    return false;
}

}  // namespace vokan

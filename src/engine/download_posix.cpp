// Downloads with libcurl.
#include "engine/download.h"

#include "engine/http_text.h"

#include <curl/curl.h>

#include <chrono>
#include <memory>

namespace vokan {

namespace {

using Clock = std::chrono::steady_clock;

// What the callbacks share during one transfer.
struct Transfer {
    std::string* body = nullptr;
    std::uint64_t maxBytes = 0;
    std::chrono::seconds stall{0};
    Clock::time_point lastData;
    bool tooLarge = false;
    bool stalled = false;
};

size_t onBody(char* data, size_t size, size_t count, void* user) {
    auto* t = static_cast<Transfer*>(user);
    const size_t n = size * count;
    if (t->body->size() + n > t->maxBytes) {
        t->tooLarge = true;
        return 0;  // anything but n ends the transfer
    }
    t->body->append(data, n);
    t->lastData = Clock::now();
    return n;
}

size_t onHeader(char*, size_t size, size_t count, void* user) {
    static_cast<Transfer*>(user)->lastData = Clock::now();
    return size * count;
}

// Called about once a second even while nothing arrives; that is where a stall is noticed.
// curl's own low-speed check averages over several seconds, so it would notice late.
int onProgress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    auto* t = static_cast<Transfer*>(user);
    if (Clock::now() - t->lastData >= t->stall) {
        t->stalled = true;
        return 1;
    }
    return 0;
}

// curl_global_init once per process, before the first transfer.
bool curlReady() {
    static const bool ready = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    return ready;
}

std::string megabytes(std::uint64_t bytes) {
    if (bytes % (1024 * 1024) == 0) return std::to_string(bytes / (1024 * 1024)) + " MB";
    return std::to_string(bytes) + " bytes";
}

}  // namespace

bool download(const std::string& url, const DownloadLimits& limits, DownloadedPage& page,
              std::string& error) {
    page = DownloadedPage{};
    if (!curlReady()) {
        error = "the network library cannot be started";
        return false;
    }
    std::unique_ptr<CURL, void (*)(CURL*)> curl(curl_easy_init(), curl_easy_cleanup);
    if (!curl) {
        error = "the network library cannot be started";
        return false;
    }
    Transfer transfer;
    transfer.body = &page.body;
    transfer.maxBytes = limits.maxBytes;
    transfer.stall = std::chrono::seconds(limits.stallSeconds > 0 ? limits.stallSeconds : 1);
    transfer.lastData = Clock::now();
    char curlError[CURL_ERROR_SIZE] = "";

    const std::string address = urlForRequest(url);
    CURL* c = curl.get();
    curl_easy_setopt(c, CURLOPT_URL, address.c_str());
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, curlError);
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_USERAGENT, "Mozilla/5.0 (compatible; vokan)");
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(c, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(c, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(c, CURLOPT_MAXREDIRS, static_cast<long>(limits.maxRedirects));
    curl_easy_setopt(c, CURLOPT_FAILONERROR, 1L);
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, static_cast<long>(transfer.stall.count()));
    curl_easy_setopt(c, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(limits.maxBytes));
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, onBody);
    curl_easy_setopt(c, CURLOPT_WRITEDATA, &transfer);
    curl_easy_setopt(c, CURLOPT_HEADERFUNCTION, onHeader);
    curl_easy_setopt(c, CURLOPT_HEADERDATA, &transfer);
    curl_easy_setopt(c, CURLOPT_XFERINFOFUNCTION, onProgress);
    curl_easy_setopt(c, CURLOPT_XFERINFODATA, &transfer);
    curl_easy_setopt(c, CURLOPT_NOPROGRESS, 0L);

    const CURLcode result = curl_easy_perform(c);
    long status = 0;
    curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &status);

    if (result != CURLE_OK || !isSuccessStatus(status)) {
        if (transfer.tooLarge || result == CURLE_FILESIZE_EXCEEDED)
            error = "the page is larger than " + megabytes(limits.maxBytes);
        else if (transfer.stalled || result == CURLE_OPERATION_TIMEDOUT)
            error = "no data came for " + std::to_string(transfer.stall.count()) + " seconds";
        else if (result == CURLE_PARTIAL_FILE)
            error = "the connection was broken before the whole page came";
        else if (result == CURLE_TOO_MANY_REDIRECTS)
            error = "more than " + std::to_string(limits.maxRedirects) + " redirects";
        else if (result == CURLE_HTTP_RETURNED_ERROR || (result == CURLE_OK && status != 0))
            error = "the server answered with status " + std::to_string(status);
        else
            error = *curlError ? curlError : curl_easy_strerror(result);
        page = DownloadedPage{};
        return false;
    }

    char* contentType = nullptr;
    if (curl_easy_getinfo(c, CURLINFO_CONTENT_TYPE, &contentType) == CURLE_OK && contentType)
        page.charset = charsetFromContentType(contentType);
    return true;
}

}  // namespace vokan

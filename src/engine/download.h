#pragma once
// Fetching a document from the web: one GET, redirects followed, bounded so that a dead,
// endless or looping server ends in a clear failure instead of a hang or exhausted memory.
// download_posix.cpp does it with libcurl, download_win32.cpp with the system's WinINet.
#include <cstdint>
#include <string>

namespace vokan {

struct DownloadLimits {
    int maxRedirects = 5;                          // redirects followed; one more fails
    int stallSeconds = 30;                         // this long without any data fails
    std::uint64_t maxBytes = 64ull * 1024 * 1024;  // a larger body fails
};

struct DownloadedPage {
    std::string body;     // the bytes of the body exactly as the server sent them
    std::string charset;  // the charset of the final answer's Content-Type; empty when none
};

// GETs `url` (http:// or https://; UTF-8, made safe with urlForRequest). False, with a
// one-line reason in English in `error`, when no server answers, the final status is not
// 2xx, a redirect leads to something other than http or https, or a limit is passed.
bool download(const std::string& url, const DownloadLimits& limits, DownloadedPage& page,
              std::string& error);

}  // namespace vokan

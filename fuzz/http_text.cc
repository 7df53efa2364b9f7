// Any bytes as a Content-Type header value and as a web address. The charset found is a
// piece of the header, so never longer than it; the address as sent holds no byte that may
// not appear in a request line.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "check.h"
#include "engine/http_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string charset = vokan::charsetFromContentType(bytes);
    check(charset.size() <= bytes.size());
    const std::string url = vokan::urlForRequest(bytes);
    for (char c : url) {
        const unsigned char u = static_cast<unsigned char>(c);
        check(u > 0x20 && u < 0x7F && c != '#');
    }
    return 0;
}

#pragma once
// Small pieces of HTTP text handling shared by both download implementations: the charset
// parameter of a Content-Type header, and a web address made safe to put on the wire.
#include <string>
#include <string_view>

namespace vokan {

// The value of the charset parameter of a Content-Type header value, e.g. "Shift_JIS" for
// `text/html; charset="Shift_JIS"`. The parameter name matches in any case; a quoted value
// is unquoted (backslash escapes honoured); spaces around names and values are dropped.
// A charset inside the quoted value of another parameter does not count. Empty when the
// header names no charset or is malformed where the charset would be.
std::string charsetFromContentType(std::string_view contentType);

// The address as it is sent: the scheme lower-cased, and every byte that may not appear in
// a URL as is (controls, space, bytes of non-ASCII characters, which are UTF-8 here) written
// as %XX. Existing %XX escapes and every other character are kept, so an address that is
// already valid is unchanged. Anything after '#' is left out: a fragment is never sent.
std::string urlForRequest(std::string_view url);

// True for the statuses of a successful answer (2xx).
inline bool isSuccessStatus(long status) { return status >= 200 && status <= 299; }

}  // namespace vokan

#pragma once
// A document (a text file or an HTML page, as raw bytes) turned into UTF-8 text.
#include <string>
#include <string_view>

namespace vokan {

// -H / -T / neither: HTML, plain text, or decided from the bytes (HTML when it has tags).
enum class InputKind { Auto, Html, Text };

enum class Charset { Utf8, ShiftJis, Windows1252, Utf16Le, Utf16Be };

// The charset a name stands for (as in an HTTP header or a <meta> element, any case,
// quotes and spaces around it allowed): utf-8, shift_jis and its aliases (sjis, cp932,
// windows-31j, x-sjis, ms_kanji), us-ascii, iso-8859-1 / latin1 / windows-1252 (all read as
// windows-1252, its superset), utf-16le / utf-16be. False for a name not known here.
bool charsetFromName(std::string_view name, Charset& charset);

// True when the bytes look like HTML: a doctype, a comment, or a tag of a known element.
bool looksLikeHtml(std::string_view bytes);

// The charset of the bytes: a byte-order mark, then `declared` (the HTTP header's charset,
// may be empty), then, for HTML, a <meta charset> or <meta http-equiv content="...;
// charset=..."> in the page; else UTF-8 when the bytes are valid UTF-8, else Shift-JIS.
// A name that is not known is passed over, as if absent.
Charset detectCharset(std::string_view bytes, bool html, std::string_view declared);

// The bytes in `charset` as UTF-8, a byte-order mark dropped. Bytes the charset does not
// define become U+FFFD; nothing is ever dropped silently.
std::string decodeToUtf8(std::string_view bytes, Charset charset);

// The visible text of an HTML page (UTF-8 in, UTF-8 out): no tags, comments, script or
// style; character references decoded; runs of white space become one space; each block
// element (p, div, br, li, h1-h6, tr, td, title, ...) is set off by a blank line ("\n\n").
std::string htmlToText(std::string_view html);

// The whole way from raw bytes to text: kind, charset, then for HTML the visible text.
// Plain text keeps its own line breaks; a blank line separates paragraphs in both.
std::string documentText(std::string_view bytes, InputKind kind,
                         std::string_view declaredCharset = {});

}  // namespace vokan

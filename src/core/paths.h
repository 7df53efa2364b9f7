#pragma once
// Path and URL texts in the Japanese code page (Shift-JIS). Every scan walks whole
// characters, so the second byte of a double-byte character (which may be 0x5C, the
// backslash) is never taken for a separator.
#include <cstddef>
#include <string>
#include <string_view>

namespace vokanti {

// `path` with every backslash turned into "/".
std::string normalizePath(std::string_view path);

// The parts of a path as the platform's splitter defines them. Joined in order they give
// the path back, as long as no part was cut.
struct PathParts {
    std::string drive;      // "C:" when the second character is ":", else empty
    std::string directory;  // up to and including the last "/" or "\"
    std::string baseName;   // the final component up to its last "."
    std::string extension;  // from the last "." of the final component, "." included
};

// The longest a directory, base name or extension may be, in bytes.
inline constexpr size_t kMaxPathPart = 255;

// Splits `path`; the directory, base name and extension are each cut to kMaxPathPart bytes
// without cutting a double-byte character in two.
PathParts splitPath(std::string_view path);

// The longest beginning of `text` of at most `maxBytes` bytes that ends on a character
// boundary.
std::string_view cutToBytes(std::string_view text, size_t maxBytes);

// The file a URL names: its last path component (query and all), or "index.html" when the
// URL ends in "/" or has no path. The name is made fit for a file of its own: the
// characters \ / : * ? " < > | and control characters become "_", and a name that is "."
// or ".." becomes "index.html", so it never names another folder.
std::string urlFileName(std::string_view url);

// `path` as a program started in `directory` finds it: a path with a drive or starting at
// a root ("/" or "\") stays as it is, any other is taken inside `directory` (which ends in
// a separator).
std::string resolveIn(std::string_view directory, std::string_view path);

// The file name of `path` without its folders and its last extension
// ("C:\Apps\ソフト\Vokanti.exe" gives "Vokanti"), however long it is.
std::string fileBaseName(std::string_view path);

}  // namespace vokanti

#pragma once
// Whole-file reads and the safe replacement of an output: the bytes go to a temporary file
// beside the output, which is moved over it only once everything is written, so a failed
// job never leaves a half-written output and never touches an existing one.
#include <string>
#include <string_view>

namespace vokan {

enum class PathKind { Missing, File, Directory, Other };

// What stands at `path` (UTF-8); Missing also when it cannot be examined.
PathKind pathKind(const std::string& path);

// True when the file at `path` is marked read-only (Windows: its read-only attribute; POSIX:
// no write permission for anyone), so that the user's wish to keep it is honoured even
// where the system itself would let it be replaced.
bool isReadOnly(const std::string& path);

// The whole content of the file at `path`. False, with a reason in `error`, when it cannot
// be opened or read (missing, a directory, locked by another program).
bool readWholeFile(const std::string& path, std::string& bytes, std::string& error);

#ifdef _WIN32
// Opens `path` for reading while others may read it too but nobody may change it: the
// file's handle, or null with the system's reason in `error`.
void* openForReading(const std::string& path, std::string& error);
#endif

// The temporary file used while `path` is written. Its name is fixed, so a leftover of an
// interrupted run is recognised and replaced rather than piling up.
inline std::string temporaryPathFor(const std::string& path) { return path + ".vokan-tmp"; }

enum class WriteResult {
    Ok,
    TemporaryFailed,  // the temporary file could not be made
    WriteFailed,      // it was made but not written completely (disk full, ...)
    MoveFailed,       // it could not be moved over the output (locked, read-only, ...)
};

// Writes `bytes` to temporaryPathFor(path), then moves it to `path`, replacing an existing
// file. On any failure the temporary file is removed and `path` is left as it was.
WriteResult replaceFile(const std::string& path, std::string_view bytes, std::string& error);

}  // namespace vokan

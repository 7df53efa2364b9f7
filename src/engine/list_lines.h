#pragma once
// The lines of a list file (ignore.txt, replace.txt, symbol.txt, dict.txt, ...).
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vokan {

// The meaningful lines of a list file, in UTF-8. A file starting with a UTF-8 byte-order
// mark is UTF-8 (the mark is dropped); any other file is Shift-JIS. Lines end with CR LF or
// LF; a last line without a line end still counts. Blank lines (nothing but spaces and
// tabs) and lines whose first character is '#' are skipped. The line end is removed and
// nothing else: leading and trailing spaces stay, since some formats give them meaning.
std::vector<std::string> readListLines(std::string_view bytes);

// The same lines handed to `visit` one by one, without a copy of each: for the long lists
// (level.txt), where a string per line costs more than the work done with it. A view is
// valid only during its call.
void forEachListLine(std::string_view bytes, const std::function<void(std::string_view)>& visit);

}  // namespace vokan

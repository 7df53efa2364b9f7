#pragma once
// The job's input, whether a file or a web address: its bytes, and for a web page the
// charset its HTTP header declares (the document reader weighs it against the page's own).
#include <string>

#include "engine/download.h"

namespace vokan {

// Reads the file, or downloads the page when `input` is an http:// or https:// address.
// Returns 0, or the exit code of the failure (the input cannot be read: 2; the download
// failed: 11) with a one-line message in `error`. `bytes` is left empty on failure.
int readInput(const std::string& input, std::string& bytes, std::string& declaredCharset,
              std::string& error, const DownloadLimits& limits = DownloadLimits{});

}  // namespace vokan

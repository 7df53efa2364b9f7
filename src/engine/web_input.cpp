#include "engine/web_input.h"

#include "engine/command_line.h"
#include "engine/exit_codes.h"
#include "engine/file_io.h"

namespace vokan {

int readInput(const std::string& input, std::string& bytes, std::string& declaredCharset,
              std::string& error, const DownloadLimits& limits) {
    bytes.clear();
    declaredCharset.clear();
    if (isUrl(input)) {
        DownloadedPage page;
        std::string reason;
        if (!download(input, limits, page, reason)) {
            error = "cannot download " + input + ": " + reason;
            return kExitDownload;
        }
        bytes = std::move(page.body);
        declaredCharset = std::move(page.charset);
        return kExitOk;
    }
    std::string reason;
    if (!readWholeFile(input, bytes, reason)) {
        bytes.clear();
        error = "cannot read the input " + input + ": " + reason;
        return kExitInput;
    }
    return kExitOk;
}

}  // namespace vokan

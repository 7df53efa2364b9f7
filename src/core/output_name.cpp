#include "core/output_name.h"

#include "core/paths.h"

namespace vokanti {

namespace {

struct FormatName {
    const char* suffix;
    const char* extension;
};

FormatName formatName(std::optional<OutputFormat> format) {
    switch (format.value_or(OutputFormat::Vkndb5s)) {
        case OutputFormat::Vkndb5s: return {"", ".vkndb5s"};
        case OutputFormat::Csv: return {"", ".csv"};
        case OutputFormat::Html1: return {"_out", ".html"};
        case OutputFormat::Html2: return {"_out", ".html"};
    }
    return {"", ".vkndb5s"};
}

}  // namespace

std::optional<std::string> proposedOutputName(const OutputNaming& naming) {
    if (naming.input.empty()) return std::nullopt;
    const FormatName name = formatName(naming.format);

    if (naming.input.find("http://") != std::string::npos) {
        if (!naming.desktop) return std::nullopt;
        const std::string path = *naming.desktop + "/" + urlFileName(naming.input);
        if (naming.downloadOnly) return path;
        // An empty base name (a URL file named ".htaccess") stays empty here.
        const PathParts parts = splitPath(path);
        return parts.drive + parts.directory + parts.baseName + name.suffix + name.extension;
    }

    const PathParts parts = splitPath(naming.input);
    std::string directory;
    if (naming.sameDir) {
        directory = parts.drive + parts.directory;
    } else {
        if (!naming.desktop) return std::nullopt;
        directory = *naming.desktop + "/";
    }
    const std::string baseName = parts.baseName.empty() ? kDefaultBaseName : parts.baseName;
    return directory + baseName + name.suffix + name.extension;
}

}  // namespace vokanti

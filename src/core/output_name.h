#pragma once
// The output path proposed for an input: beside the input or on the desktop, named after
// the input (or the file a URL names), with the suffix and extension of the output format.
#include <optional>
#include <string>

#include "core/switches.h"

namespace vokanti {

// The base name given to a local input whose path has none ("C:/work/").
inline constexpr const char kDefaultBaseName[] = "vokan_out";

struct OutputNaming {
    std::string input;
    // The first checked output format. None checked (only a hand-edited profile does that)
    // is named like vkndb5s, the default format.
    std::optional<OutputFormat> format;
    bool sameDir = false;
    bool downloadOnly = false;
    // The user's desktop folder with forward slashes; absent when it is unknown.
    std::optional<std::string> desktop;
};

// The output name proposed for `naming`, or absent when the output is to be left as it is:
// the input is empty, or the desktop folder is needed and unknown.
// An input containing "http://" is a URL: its file goes to the desktop, keeping its own
// name and extension when `downloadOnly` is on. Any other input is a local file.
std::optional<std::string> proposedOutputName(const OutputNaming& naming);

}  // namespace vokanti

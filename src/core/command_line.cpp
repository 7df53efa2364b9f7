#include "core/command_line.h"

#include <algorithm>

namespace vokanti {

namespace {

void appendNumber(std::string& out, const char* flag, int32_t value) {
    out.append(flag).append(" ").append(std::to_string(value));
}

// " -i \"text\"": the text goes between double quotes as it is.
void appendQuoted(std::string& out, const char* flag, const std::string& text) {
    out.append(flag).append(" \"").append(text).append("\"");
}

const char* matchModeFlag(MatchMode mode) {
    switch (mode) {
        case MatchMode::Word: return " -t";
        case MatchMode::WordIdiom: return " -j";
        case MatchMode::Idiom: return " -J";
    }
    return "";
}

const char* inputFormatFlag(InputFormat format) {
    switch (format) {
        case InputFormat::Html: return " -H";
        case InputFormat::Text: return " -T";
    }
    return "";
}

const char* outputFormatFlag(OutputFormat format) {
    switch (format) {
        case OutputFormat::Vkndb5s: return " -p";
        case OutputFormat::Csv: return " -c";
        case OutputFormat::Html1: return " -x";
        case OutputFormat::Html2: return " -X";
    }
    return "";
}

// The engine's path, between double quotes when it contains a space.
std::string enginePathArgument(const std::string& enginePath) {
    if (enginePath.find(' ') == std::string::npos) return enginePath;
    return "\"" + enginePath + "\"";
}

}  // namespace

void clampForEngine(const Switches& switches, JobOptions& options) {
    if (!switches.noIgnore) {
        options.ignoreShort = std::max(options.ignoreShort, int32_t{0});
        options.ignoreLong = std::min(options.ignoreLong, kMaxIgnoreLong);
    }
    if (switches.cut) options.cutLength = std::clamp(options.cutLength, int32_t{0}, kMaxCutLength);
}

std::string engineCommandLine(const std::string& enginePath, const Switches& switches,
                              const JobOptions& options,
                              const std::vector<std::string>& addedDictionaries) {
    std::string line = enginePathArgument(enginePath);

    if (switches.matchMode) line.append(matchModeFlag(*switches.matchMode));
    if (switches.inputFormat) line.append(inputFormatFlag(*switches.inputFormat));
    if (switches.outputFormat) line.append(outputFormatFlag(*switches.outputFormat));
    if (switches.noDict) line.append(" -y");
    if (switches.inputListOnly) line.append(" -N");
    if (switches.noIgnore) {
        line.append(" -n");
    } else {
        appendNumber(line, " -l", options.ignoreShort);
        appendNumber(line, " -L", options.ignoreLong);
    }
    if (switches.sortDictionary) line.append(" -S");
    if (switches.question) appendNumber(line, " -q", options.questionNum);
    if (switches.downloadOnly) line.append(" -D");
    if (switches.cut) appendNumber(line, " -C", options.cutLength);
    // The engine refuses a level together with -n: with every word wanted, none is known.
    if (!switches.noIgnore && validKnownLevel(options.knownLevel) != 0) {
        appendNumber(line, " -k", options.knownLevel);
    }
    if (!options.input.empty()) appendQuoted(line, " -i", options.input);
    if (!options.output.empty()) appendQuoted(line, " -o", options.output);
    for (const std::string& dictionary : addedDictionaries) appendQuoted(line, " -d", dictionary);
    return line;
}

std::string knownWordsCommandLine(const std::string& enginePath, const std::string& list) {
    std::string line = enginePathArgument(enginePath);
    line.append(" -K");
    appendQuoted(line, " -i", list);
    return line;
}

}  // namespace vokanti

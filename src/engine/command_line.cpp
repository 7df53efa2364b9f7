#include "engine/command_line.h"

#include <set>

namespace vokan {

namespace {

bool startsWithNoCase(std::string_view s, std::string_view prefix) {
    if (s.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        char c = s[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != prefix[i]) return false;
    }
    return true;
}

// A whole number from `min` up to a billion, digits only: no sign, no spaces, no suffix.
bool parseNumber(std::string_view text, int min, int& value) {
    if (text.empty() || text.size() > 10) return false;
    long long n = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        n = n * 10 + (c - '0');
    }
    if (n < min || n > 1000000000) return false;
    value = static_cast<int>(n);
    return true;
}

// Flags that choose one of several values; two of the same group contradict each other.
int choiceGroup(std::string_view flag) {
    if (flag == "-t" || flag == "-j" || flag == "-J") return 1;
    if (flag == "-H" || flag == "-T") return 2;
    if (flag == "-p" || flag == "-c" || flag == "-x" || flag == "-X") return 3;
    return 0;
}

}  // namespace

bool isUrl(std::string_view input) {
    return startsWithNoCase(input, "http://") || startsWithNoCase(input, "https://");
}

ParsedCommandLine parseCommandLine(const std::vector<std::string>& args) {
    ParsedCommandLine result;
    JobRequest& job = result.request;
    std::set<std::string> seen;
    std::set<int> groups;
    auto fail = [&result](std::string message) {
        result.ok = false;
        result.error = std::move(message);
        return result;
    };

    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& flag = args[i];
        if (flag != "-d" && !seen.insert(flag).second) return fail("option " + flag + " given twice");
        if (int group = choiceGroup(flag)) {
            if (!groups.insert(group).second)
                return fail("option " + flag + " contradicts an earlier option of its kind");
        }
        // Flags without a value.
        if (flag == "-t") { job.mode = ExtractMode::Words; continue; }
        if (flag == "-j") { job.mode = ExtractMode::WordsAndIdioms; continue; }
        if (flag == "-J") { job.mode = ExtractMode::Idioms; continue; }
        if (flag == "-H") { job.inputKind = InputKind::Html; continue; }
        if (flag == "-T") { job.inputKind = InputKind::Text; continue; }
        if (flag == "-p") { job.format = OutputFormat::Vkndb5s; continue; }
        if (flag == "-c") { job.format = OutputFormat::Csv; continue; }
        if (flag == "-x") { job.format = OutputFormat::Html1; continue; }
        if (flag == "-X") { job.format = OutputFormat::Html2; continue; }
        if (flag == "-y") { job.listUnknown = true; continue; }
        if (flag == "-N") { job.inputFormsOnly = true; continue; }
        if (flag == "-n") { job.noIgnoreList = true; continue; }
        if (flag == "-S") { job.unsortedDictionaries = true; continue; }
        if (flag == "-D") { job.downloadOnly = true; continue; }
        if (flag == "-K") { job.addKnownWords = true; continue; }

        const bool numeric = flag == "-l" || flag == "-L" || flag == "-q" || flag == "-C" || flag == "-k";
        const bool textual = flag == "-i" || flag == "-o" || flag == "-d";
        if (!numeric && !textual) return fail("unknown option \"" + flag + "\"");
        if (i + 1 >= args.size()) return fail("option " + flag + " needs a value");
        const std::string& value = args[++i];
        if (numeric) {
            // Every number may be 0: lengths of 0 leave nothing out, -q 0 is a question set
            // without questions and -C 0 cuts every question right after its blank (the
            // window sends both when the user types 0 or a negative width). Levels start at 1.
            const int min = flag == "-k" ? 1 : 0;
            int n = 0;
            if (!parseNumber(value, min, n))
                return fail("option " + flag + " needs a whole number from " + std::to_string(min) +
                            ", not \"" + value + "\"");
            if (flag == "-l") job.shortestExcluded = n;
            else if (flag == "-L") job.longestMeaning = n;
            else if (flag == "-q") job.questions = n;
            else if (flag == "-k") job.knownLevel = n;
            else job.questionWidth = n;
            continue;
        }
        if (value.empty()) return fail("option " + flag + " needs a non-empty path");
        if (flag == "-i") job.input = value;
        else if (flag == "-o") job.output = value;
        else job.extraDictionaries.push_back(value);
    }

    if (job.addKnownWords) {
        for (const std::string& flag : seen) {
            if (flag != "-K" && flag != "-i")
                return fail("-K takes only -i (the list whose words become known), not " + flag);
        }
        if (!job.extraDictionaries.empty())
            return fail("-K takes only -i (the list whose words become known), not -d");
        if (job.input.empty()) return fail("no list given (-i) for -K");
        if (isUrl(job.input)) return fail("-K reads a list file, and the input is a web address");
        result.ok = true;
        return result;
    }
    if (job.knownLevel && job.noIgnoreList)
        return fail("-k leaves out known words, and -n asks for every word: they cannot go together");
    if (job.input.empty()) return fail("no input given (-i)");
    if (job.output.empty()) return fail("no output given (-o)");
    if (job.downloadOnly && !isUrl(job.input))
        return fail("-D downloads a web address, and the input is not one");
    result.ok = true;
    return result;
}

}  // namespace vokan

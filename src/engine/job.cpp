#include "engine/job.h"

#include "engine/command_line.h"
#include "engine/exit_codes.h"
#include "engine/extract.h"
#include "engine/file_io.h"
#include "engine/known_words.h"
#include "engine/lexicon_set.h"
#include "engine/list_lines.h"
#include "engine/output.h"
#include "engine/program_dir.h"
#include "engine/question_set.h"
#include "engine/symbols.h"
#include "engine/web_input.h"
#include "engine/word_lists.h"

#include <exception>
#include <new>

namespace vokan {

namespace {

struct Failure {
    int code;
    std::string message;
};

std::string trimmedPath(const std::string& line) {
    std::size_t begin = line.find_first_not_of(" \t");
    if (begin == std::string::npos) return {};
    std::size_t end = line.find_last_not_of(" \t");
    return line.substr(begin, end - begin + 1);
}

// Reads a list file of env/ into its lines, or fails with `code`.
std::optional<Failure> readList(const std::string& path, int code, std::vector<std::string>& lines) {
    std::string bytes, error;
    if (!readWholeFile(path, bytes, error))
        return Failure{code, "cannot read " + path + ": " + error};
    lines = readListLines(bytes);
    return std::nullopt;
}

std::optional<Failure> addDictionary(LexiconSet& lexicon, const std::string& path, bool index) {
    std::string error;
    switch (lexicon.add(path, index, error)) {
    case DictionaryOpen::Ok: return std::nullopt;
    case DictionaryOpen::CrOnly: return Failure{kExitDictionaryCrOnly, "dictionary " + path + ": " + error};
    case DictionaryOpen::CannotOpen: break;
    }
    return Failure{kExitDictionary, "cannot open dictionary " + path + ": " + error};
}

// The output's place must be usable before any work is done: its directory must exist and
// the output itself must not be a directory.
std::optional<Failure> checkOutputPlace(const std::string& output) {
    if (pathKind(parentDirectory(output)) != PathKind::Directory)
        return Failure{kExitOutput, "the folder of the output " + output + " does not exist"};
    PathKind kind = pathKind(output);
    if (kind == PathKind::Directory) return Failure{kExitOutput, "the output " + output + " is a folder"};
    if (kind == PathKind::Other) return Failure{kExitOutput, "the output " + output + " is not a file"};
    return std::nullopt;
}

// Writes the output through a temporary file beside it (see replaceFile).
JobOutcome writeOutput(const std::string& path, std::string_view bytes) {
    std::string error;
    switch (replaceFile(path, bytes, error)) {
    case WriteResult::Ok: return {kExitOk, {}};
    case WriteResult::TemporaryFailed: return {kExitTemporary, error};
    case WriteResult::WriteFailed:
    case WriteResult::MoveFailed: break;
    }
    return {kExitOutput, error};
}

// -K: the headwords of the list at `listPath` added to known.txt, replaced whole through
// its temporary file, so that a failure leaves it as it was.
JobOutcome addToKnownWords(const std::string& listPath, const std::string& knownPath) {
    std::string list, error;
    if (!readWholeFile(listPath, list, error)) return {kExitInput, "cannot read " + listPath + ": " + error};
    std::optional<std::vector<std::string>> words = listedHeadwords(list);
    if (!words) return {kExitInput, listPath + " is not a list that vokan wrote (csv, vkndb5s, html1, html2 or a question set)"};
    list = std::string();

    std::string known;
    const PathKind kind = pathKind(knownPath);
    if (kind != PathKind::Missing && !readWholeFile(knownPath, known, error))
        return {kExitKnownList, "cannot read " + knownPath + ": " + error};
    const KnownWordsUpdate update = addKnownWords(known, *words);
    if (update.added == 0) return {kExitOk, {}};
    if (kind == PathKind::File && isReadOnly(knownPath))
        return {kExitKnownList, "cannot write " + knownPath + ": it is read-only"};
    if (replaceFile(knownPath, update.bytes, error) != WriteResult::Ok)
        return {kExitKnownList, "cannot write " + knownPath + ": " + error};
    return {kExitOk, {}};
}

// The word levels for extraction. With -k they are required (17 when level.txt cannot be
// read or holds no level; 1 when -k asks for a level above its highest). Without -k they
// only help to choose between the bases the rules find, so a level.txt that is missing or
// cannot be read is passed over.
std::optional<Failure> readLevels(const std::string& path, const JobRequest& job, WordLists& lists) {
    std::string bytes, error;
    if (!job.knownLevel) {
        if (job.inputFormsOnly || pathKind(path) != PathKind::File) return std::nullopt;
        if (readWholeFile(path, bytes, error)) lists.levels = parseWordLevels(bytes);
        return std::nullopt;
    }
    if (!readWholeFile(path, bytes, error)) return Failure{kExitLevelList, "cannot read " + path + ": " + error};
    lists.levels = parseWordLevels(bytes);
    const int highest = lists.levels->highest();
    if (highest == 0) return Failure{kExitLevelList, path + " holds no word with a level"};
    if (*job.knownLevel > highest)
        return Failure{kExitBadOptions, "-k " + std::to_string(*job.knownLevel) + " is above the highest level in " +
                                            path + " (" + std::to_string(highest) + ")"};
    return std::nullopt;
}

JobOutcome run(const std::vector<std::string>& args, const std::string& programDir) {
    auto failed = [](const Failure& f) { return JobOutcome{f.code, f.message}; };

    ParsedCommandLine parsed = parseCommandLine(args);
    if (!parsed.ok) return {kExitBadOptions, parsed.error};
    const JobRequest& job = parsed.request;

    // -D: the page saved exactly as it came. No file of env/ is needed for that.
    if (job.downloadOnly) {
        std::string page, charset, error;
        if (int code = readInput(job.input, page, charset, error)) return {code, error};
        if (auto f = checkOutputPlace(job.output)) return failed(*f);
        return writeOutput(job.output, page);
    }

    const std::string env = resolvePath(programDir, "env");
    if (job.addKnownWords) return addToKnownWords(resolvePath({}, job.input), resolvePath(env, "known.txt"));

    // Dictionaries: those of env/dict.txt (relative to the program directory), then -d.
    std::vector<std::string> dictList;
    if (auto f = readList(resolvePath(env, "dict.txt"), kExitDictList, dictList)) return failed(*f);
    LexiconSet lexicon;
    for (const std::string& line : dictList) {
        std::string path = trimmedPath(line);
        if (path.empty()) continue;
        if (auto f = addDictionary(lexicon, resolvePath(programDir, path), job.unsortedDictionaries))
            return failed(*f);
    }
    for (const std::string& path : job.extraDictionaries)
        if (auto f = addDictionary(lexicon, resolvePath({}, path), job.unsortedDictionaries))
            return failed(*f);

    WordLists lists;
    if (!job.noIgnoreList) {
        std::vector<std::string> lines;
        if (auto f = readList(resolvePath(env, "ignore.txt"), kExitIgnoreList, lines)) return failed(*f);
        lists.ignore = parseIgnoreList(lines);
        // The learner's known words, left out the same way; none until -K adds some.
        const std::string known = resolvePath(env, "known.txt");
        lists.known.emplace();
        if (pathKind(known) != PathKind::Missing) {
            if (auto f = readList(known, kExitKnownList, lines)) return failed(*f);
            lists.known = parseIgnoreList(lines);
        }
    }
    if (!job.inputFormsOnly) {
        std::vector<std::string> lines;
        if (auto f = readList(resolvePath(env, "replace.txt"), kExitReplaceList, lines)) return failed(*f);
        lists.replace = parseReplacements(lines);
    }
    SymbolTable symbols;
    {
        std::vector<std::string> lines;
        if (auto f = readList(resolvePath(env, "symbol.txt"), kExitSymbolList, lines)) return failed(*f);
        symbols = parseSymbolTable(lines);
    }
    if (auto f = readLevels(resolvePath(env, "level.txt"), job, lists)) return failed(*f);
    // The page's own files, for the HTML formats only.
    PageFiles pages;
    if (job.format == OutputFormat::Html1 || job.format == OutputFormat::Html2) {
        PageKind kind = job.format == OutputFormat::Html1 ? PageKind::Html1 : PageKind::Html2;
        PageFilesLoad load = loadPageFiles(env, kind, pages);
        if (load.exitCode != 0) return {load.exitCode, load.message};
    }

    // A file, or a web page with the charset its HTTP header declares.
    std::string input, declaredCharset, error;
    if (int code = readInput(job.input, input, declaredCharset, error)) return {code, error};
    if (auto f = checkOutputPlace(job.output)) return failed(*f);
    const std::string questionPath = job.questions ? questionSetPath(job.output) : std::string();
    if (job.questions) {
        if (auto f = checkOutputPlace(questionPath)) return failed(*f);
    }

    ExtractOptions options;
    options.mode = job.mode;
    options.inputFormsOnly = job.inputFormsOnly;
    options.listUnknown = job.listUnknown;
    options.shortestExcluded = job.shortestExcluded.value_or(0);
    options.longestMeaning = job.longestMeaning;
    options.knownLevel = job.knownLevel.value_or(0);
    std::vector<std::string> sentences = documentSentences(input, job.inputKind, declaredCharset, symbols);
    input = std::string();  // the raw bytes are not needed any more
    std::vector<VocabularyEntry> entries = extractEntries(sentences, lexicon, lists, options);

    const std::string bytes = outputText(job.format, entries, pages);
    WriteResult written = WriteResult::Ok;
    if (job.questions) {
        std::vector<Question> questions = makeQuestions(entries, *job.questions, job.questionWidth);
        written = replaceFilePair(job.output, bytes, questionPath,
                                  questionSetText(job.format, questions, pages), error);
    } else {
        written = replaceFile(job.output, bytes, error);
    }
    switch (written) {
    case WriteResult::Ok: return {kExitOk, {}};
    case WriteResult::TemporaryFailed: return {kExitTemporary, error};
    case WriteResult::WriteFailed:
    case WriteResult::MoveFailed: break;
    }
    return {kExitOutput, error};
}

}  // namespace

JobOutcome runJob(const std::vector<std::string>& args, const std::string& programDir) {
    try {
        return run(args, programDir);
    } catch (const std::bad_alloc&) {
        return {kExitInternal, "out of memory"};
    } catch (const std::exception& e) {
        return {kExitInternal, std::string("internal error: ") + e.what()};
    } catch (...) {
        return {kExitInternal, "internal error"};
    }
}

}  // namespace vokan

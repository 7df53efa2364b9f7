#pragma once
// The engine's exit codes: the window turns each into its message, so nothing else may be
// returned for these cases.
namespace vokan {

enum ExitCode : int {
    kExitOk = 0,
    kExitBadOptions = 1,
    kExitInput = 2,            // the input cannot be opened or read
    kExitOutput = 3,           // the output cannot be opened or written
    kExitDictionary = 4,       // a dictionary file cannot be opened
    kExitDictList = 5,         // env/dict.txt
    kExitIgnoreList = 6,       // env/ignore.txt
    kExitReplaceList = 7,      // env/replace.txt
    kExitSymbolList = 8,       // env/symbol.txt
    kExitDictionaryCrOnly = 9, // a dictionary whose line ends are CR alone
    kExitTemporary = 10,       // the temporary file beside the output cannot be made
    kExitDownload = 11,
    kExitStyle = 12,           // env/style.css
    kExitWebDict = 13,         // env/webdict.txt
    kExitWebWav = 14,          // env/webwav.txt
    kExitLabel = 15,           // env/label.txt
    kExitInternal = 16,        // anything else: out of memory, an internal error
    kExitLevelList = 17,       // env/level.txt (only with -k)
    kExitKnownList = 18,       // env/known.txt cannot be read, or with -K written
};

}  // namespace vokan

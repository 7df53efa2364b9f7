// run_batch PROGRAM ARGUMENT [TIMEOUT_SECONDS]
//
// Starts PROGRAM with ARGUMENT as its one (quoted) argument, with the program's folder as
// current directory, the way a user's double click on a document dropped onto it does;
// waits for the program's result box, prints the box's text on its own line, presses OK and
// waits for the program to end.
//
// Exit code: 0 when the text is the success message and the program ended; 1 when the text
// is another message; 2 when no box came or the program did not end in time; 3 on a usage
// or start error. Every wait is bounded.
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include "win32/support/app_driver.h"

// The program's texts are Shift-JIS: this literal is compiled to the same bytes.
const char kSuccess[] = "ファイル作成に成功しました！";

int main(int argc, char** argv) {
    char* end = nullptr;
    const long seconds = argc == 4 ? std::strtol(argv[3], &end, 10) : 120;
    if (argc < 3 || argc > 4 || seconds < 1 || seconds > 3600 || (end && *end)) {
        std::fprintf(stderr, "usage: run_batch PROGRAM ARGUMENT [TIMEOUT_SECONDS: 1 to 3600]\n");
        return 3;
    }
    const DWORD timeoutMs = static_cast<DWORD>(seconds) * 1000;
    vokanti::testing::AppDriver program(argv[1]);  // ends the program if it still runs
    try {
        program.start("\"" + std::string(argv[2]) + "\"");
    } catch (const std::exception& e) {
        std::fprintf(stderr, "run_batch: %s (error %lu)\n", e.what(), GetLastError());
        return 3;
    }
    // The result box carries the program's name.
    const vokanti::testing::ShownBox box = program.waitForBox("Vokanti", timeoutMs);
    if (!box) {
        std::fprintf(stderr, program.running() ? "run_batch: no result box within the time-out\n"
                                               : "run_batch: the program ended without a result box\n");
        return 2;
    }
    std::printf("%s\n", box.text.c_str());
    std::fflush(stdout);
    if (!program.answer(box, IDOK, 30000) || program.waitForExit(30000) == STILL_ACTIVE) {
        std::fprintf(stderr, "run_batch: the program did not end after its result box\n");
        return 2;
    }
    return box.text == kSuccess ? 0 : 1;
}

#include "core/result_message.h"

#include <array>

#include "core/env_files.h"
#include "core/messages.h"
#include "core/text.h"

namespace vokanti {

namespace {

struct Result {
    const char* message;
    const char* path;  // fills the message's %s; null when it has none
};

constexpr std::array<Result, 19> kResults = {{
    {text::kResultSuccess, nullptr},
    {text::kResultBadOptions, nullptr},
    {text::kResultInputFailed, nullptr},
    {text::kResultOutputFailed, nullptr},
    {text::kResultDictionaryFailed, nullptr},
    {text::kResultEnvFileFailed, env::kDictionaryList},
    {text::kResultEnvFileFailed, env::kIgnore},
    {text::kResultEnvFileFailed, env::kReplace},
    {text::kResultEnvFileFailed, env::kSymbol},
    {text::kResultCrLineEnds, nullptr},
    {text::kResultTempFailed, nullptr},
    {text::kResultDownloadFailed, nullptr},
    {text::kResultEnvFileFailed, env::kStyle},
    {text::kResultEnvFileFailed, env::kWebDict},
    {text::kResultEnvFileFailed, env::kWebWav},
    {text::kResultEnvFileFailed, env::kLabel},
    {text::kResultGeneralFailure, nullptr},
    {text::kResultEnvFileFailed, env::kLevel},
    {text::kResultEnvFileFailed, env::kKnown},
}};

}  // namespace

std::string resultMessage(EngineResult code) {
    if (code >= kResults.size()) return text::kResultGeneralFailure;
    const Result& r = kResults[code];
    return r.path ? formatText(r.message, r.path) : std::string(r.message);
}

}  // namespace vokanti

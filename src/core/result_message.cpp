#include "core/result_message.h"

#include <array>

#include "core/text.h"

namespace vokanti {

namespace {

constexpr const char kOpenFailed[] = "%sのオープンに失敗しました．";
constexpr const char kGeneralFailure[] = "ファイル作成に失敗しました．．．";

struct Result {
    const char* message;
    const char* path;  // fills the message's %s; null when it has none
};

constexpr std::array<Result, 16> kResults = {{
    {"ファイル作成に成功しました！", nullptr},
    {"オプションの指定が間違っています．", nullptr},
    {"入力ファイルのオープンに失敗しました．", nullptr},
    {"出力ファイルのオープンに失敗しました．", nullptr},
    {"辞書ファイルのオープンに失敗しました．", nullptr},
    {kOpenFailed, "env/dict.txt"},
    {kOpenFailed, "env/ignore.txt"},
    {kOpenFailed, "env/replace.txt"},
    {kOpenFailed, "env/symbol.txt"},
    {"辞書ファイルの改行コードがCRです．", nullptr},
    {"tmpファイルのオープンに失敗しました．", nullptr},
    {"ダウンロードに失敗しました．", nullptr},
    {kOpenFailed, "env/style.css"},
    {kOpenFailed, "env/webdict.txt"},
    {kOpenFailed, "env/webwav.txt"},
    {kOpenFailed, "env/label.txt"},
}};

}  // namespace

std::string resultMessage(EngineResult code) {
    if (code >= kResults.size()) return kGeneralFailure;
    const Result& r = kResults[code];
    return r.path ? formatText(r.message, r.path) : std::string(r.message);
}

}  // namespace vokanti

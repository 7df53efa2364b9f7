#include "core/result_message.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vokanti {
namespace {

TEST(ResultMessage, EveryKnownExitCodeAndTheGeneralFailure) {
    const std::vector<std::string> known = {
        "ファイル作成に成功しました！",
        "オプションの指定が間違っています．",
        "入力ファイルのオープンに失敗しました．",
        "出力ファイルのオープンに失敗しました．",
        "辞書ファイルのオープンに失敗しました．",
        "env/dict.txtのオープンに失敗しました．",
        "env/ignore.txtのオープンに失敗しました．",
        "env/replace.txtのオープンに失敗しました．",
        "env/symbol.txtのオープンに失敗しました．",
        "辞書ファイルの改行コードがCRです．",
        "tmpファイルのオープンに失敗しました．",
        "ダウンロードに失敗しました．",
        "env/style.cssのオープンに失敗しました．",
        "env/webdict.txtのオープンに失敗しました．",
        "env/webwav.txtのオープンに失敗しました．",
        "env/label.txtのオープンに失敗しました．",
    };
    for (uint32_t code = 0; code < known.size(); ++code) {
        EXPECT_EQ(resultMessage(code), known[code]) << code;
    }
    for (uint32_t code : {16u, 17u, 259u, 0xC0000005u, 0xFFFFFFFFu}) {
        EXPECT_EQ(resultMessage(code), "ファイル作成に失敗しました．．．") << code;
    }
}

}  // namespace
}  // namespace vokanti

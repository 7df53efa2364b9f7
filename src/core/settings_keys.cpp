#include "core/settings_keys.h"

#include "core/control_ids.h"

namespace vokanti {

namespace {
constexpr CheckKey kWord{"word", IDC_MATCH_WORD, true};
constexpr CheckKey kWordIdiom{"word-idiom", IDC_MATCH_WORD_IDIOM, false};
constexpr CheckKey kIdiom{"idiom", IDC_MATCH_IDIOM, false};
constexpr CheckKey kHtml{"html", IDC_INPUT_HTML, true};
constexpr CheckKey kText{"text", IDC_INPUT_TEXT, false};
constexpr CheckKey kVkndb5s{"vkndb5s", IDC_OUTPUT_DB, true};
constexpr CheckKey kCsv{"csv", IDC_OUTPUT_CSV, false};
constexpr CheckKey kHtml1{"html1", IDC_OUTPUT_HTML1, false};
constexpr CheckKey kHtml2{"html2", IDC_OUTPUT_HTML2, false};
constexpr CheckKey kReplace{"replace", IDC_INPUT_LIST_ONLY, false};
constexpr CheckKey kIgnore{"ignore", IDC_NO_IGNORE, false};
constexpr CheckKey kSame{"same", IDC_SAME_DIR, false};
constexpr CheckKey kSortDictionary{"sort-dictionary", IDC_SORT_DICTIONARY, false};
constexpr CheckKey kQuestion{"question", IDC_QUESTION, false};
constexpr CheckKey kDownload{"download", IDC_DOWNLOAD_ONLY, false};
constexpr CheckKey kCut{"cut", IDC_CUT, false};
constexpr CheckKey kNoDict{"nodict", IDC_NO_DICT, false};
}  // namespace

const CheckKeys& checkKeysLoadOrder() {
    static constexpr CheckKeys keys = {
        kWord, kWordIdiom, kIdiom,                     // match mode
        kHtml, kText,                                  // input format
        kVkndb5s, kCsv, kHtml1, kHtml2,                // output format
        kReplace, kIgnore, kSame, kSortDictionary,     // switches
        kQuestion, kDownload, kCut, kNoDict,
    };
    return keys;
}

const CheckKeys& checkKeysSaveOrder() {
    // "same" comes after "download" here, unlike the load order.
    static constexpr CheckKeys keys = {
        kWord, kWordIdiom, kIdiom,                     // match mode
        kHtml, kText,                                  // input format
        kVkndb5s, kCsv, kHtml1, kHtml2,                // output format
        kReplace, kIgnore, kSortDictionary,            // switches
        kQuestion, kDownload, kSame, kCut, kNoDict,
    };
    return keys;
}

const IntKeys& intKeys() {
    static constexpr IntKeys keys = {{
        {"ignore_long", &JobOptions::ignoreLong},
        {"ignore_short", &JobOptions::ignoreShort},
        {"question_num", &JobOptions::questionNum},
        {"cut_length", &JobOptions::cutLength},
    }};
    return keys;
}

int32_t parseKnownLevel(const std::string& text) {
    return text.size() == 1 && text[0] >= '0' && text[0] <= '9' ? validKnownLevel(text[0] - '0') : 0;
}

}  // namespace vokanti

// Any bytes as a document: as HTML, as text and decided from the bytes, with and without a
// declared charset; then sentences and words. The text that comes out must be valid UTF-8,
// and every word must stand where it says in its sentence.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "check.h"
#include "engine/document.h"
#include "engine/encoding.h"
#include "engine/sentences.h"
#include "engine/words.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // The first byte picks the kind and the declared charset, so both are explored.
    vokan::InputKind kind = vokan::InputKind::Auto;
    std::string_view declared;
    if (!bytes.empty()) {
        const auto choice = static_cast<unsigned char>(bytes[0]);
        kind = static_cast<vokan::InputKind>(choice % 3);
        static constexpr std::string_view kNames[] = {"", "shift_jis", "utf-8", "iso-8859-1",
                                                      "utf-16be", "bogus"};
        declared = kNames[(choice / 3) % 6];
        bytes.remove_prefix(1);
    }
    const std::string text = vokan::documentText(bytes, kind, declared);
    check(vokan::isValidUtf8(text));
    for (const std::string& sentence : vokan::splitSentences(text)) {
        check(!sentence.empty() && vokan::isValidUtf8(sentence));
        check(sentence.front() != ' ' && sentence.back() != ' ');
        for (const vokan::Word& word : vokan::splitWords(sentence)) {
            check(!word.text.empty() && word.offset + word.text.size() <= sentence.size());
            check(sentence.compare(word.offset, word.text.size(), word.text) == 0);
        }
    }
    return 0;
}

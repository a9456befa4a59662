// Word files (*.slv, "slovausr.slv", and "kriz.dat" stored scrambled): the same bytes read both
// ways. Every word read is a non-empty line without its line end, the scrambled reading is the
// plain one decoded word by word, and the words written back read as the same list.

#include "stores/core/word_stores.h"
#include "tests/fuzz/fuzz_check.h"

#include <vector>

namespace {

std::vector<std::string> keysOf(const StringPairList& list) {
    std::vector<std::string> keys;
    list.forEachPair([&](const StringPairList::Node& pair) {
        fuzzCheck(pair.value.empty(), "a word of a word file came with a value");
        keys.push_back(pair.key);
    });
    return keys;
}

}  // namespace

GRILPAD_FUZZ_TARGET {
    const std::string_view bytes = fuzzBytes(data, size);
    const StringPairList plain = parseWordList(bytes, false);
    const StringPairList scrambled = parseWordList(bytes, true);

    std::vector<std::string> words = keysOf(plain);
    fuzzCheck(words.size() <= lineCountOf(bytes), "more words than lines were read");
    for (std::string& word : words) {
        fuzzCheck(!word.empty() && word.find('\n') == std::string::npos && word.back() != '\r',
                  "a word is empty or holds a line end");
        decodeLine(word);
    }
    fuzzCheck(keysOf(scrambled) == words, "the scrambled reading is not the plain one decoded");

    fuzzCheck(parseWordList(writtenBytes(wordListLines(plain, false)), false) == plain,
              "the written word file reads as other words");
    fuzzCheck(parseWordList(writtenBytes(wordListLines(scrambled, true)), true) == scrambled,
              "the written scrambled word file reads as other words");
    return 0;
}

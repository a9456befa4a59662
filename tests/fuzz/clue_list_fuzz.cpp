// Clue files ("legendy.sav", and "krizleg.dat" stored scrambled): the same bytes read both ways.
// Every clue read has a word without ";" or a line end, and the clues written back read as the
// same list.

#include "stores/core/word_stores.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

void checkClues(const StringPairList& clues, std::string_view bytes) {
    std::size_t count = 0;
    clues.forEachPair([&](const StringPairList::Node& pair) {
        ++count;
        fuzzCheck(!pair.key.empty() && pair.key.find_first_of(";\n") == std::string::npos,
                  "a clue's word is empty or holds a \";\" or a line break");
        fuzzCheck(pair.value.find('\n') == std::string::npos, "a clue holds a line break");
    });
    fuzzCheck(count <= lineCountOf(bytes), "more clues than lines were read");
}

}  // namespace

GRILPAD_FUZZ_TARGET {
    const std::string_view bytes = fuzzBytes(data, size);
    for (const bool scrambled : {false, true}) {
        const StringPairList clues = parseClueList(bytes, scrambled);
        checkClues(clues, bytes);
        fuzzCheck(parseClueList(writtenBytes(clueListLines(clues, scrambled)), scrambled) == clues,
                  scrambled ? "the written scrambled clue file reads as other clues"
                            : "the written clue file reads as other clues");
    }
    return 0;
}

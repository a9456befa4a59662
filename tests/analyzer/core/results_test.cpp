#include "analyzer/core/results.h"

#include <gtest/gtest.h>

using namespace analyzer;

namespace {

// A result with the given list sizes; the lamps read only the counts.
AnalysisResult outcome(std::size_t missing, std::size_t duplicates, std::size_t extras, bool matches) {
    AnalysisResult result;
    result.notFound.assign(missing, "slovo");
    for (std::size_t i = 0; i < duplicates; ++i) result.duplicates.add(Occurrence{"slovo", 1, 1});
    for (std::size_t i = 0; i < extras; ++i) result.randomExtras.add(Occurrence{"slovo", 1, 1});
    result.phraseMatches = matches;
    return result;
}

}  // namespace

TEST(Lamps, Table) {
    const Lamps top{true, false, false}, middle{false, true, false}, bottom{false, false, true}, none{};
    struct Case {
        const char* what;
        AnalysisResult result;
        bool fromFile;
        bool complete;
        Lamps lamps;
    };
    const Case cases[] = {
        {"file: nothing wrong", outcome(0, 0, 0, true), true, true, bottom},
        {"file: a word missing, phrase matches", outcome(1, 0, 0, true), true, true, middle},
        {"file: an extra word, phrase matches", outcome(0, 0, 1, true), true, true, middle},
        {"file: leftover letters differ", outcome(0, 0, 0, false), true, true, top},
        {"file: a word twice, phrase matches", outcome(0, 1, 0, true), true, true, top},
        {"wizard: every word once, letters left", outcome(0, 0, 0, false), false, true, bottom},
        {"wizard: extras only, letters left", outcome(0, 0, 2, false), false, true, bottom},
        {"wizard: a word missing, letters left", outcome(1, 0, 0, false), false, true, top},
        {"wizard: a word twice, letters left", outcome(0, 1, 0, false), false, true, top},
        {"wizard: a word missing, every letter struck", outcome(1, 0, 0, true), false, true, middle},
        {"incomplete file", outcome(0, 0, 0, true), true, false, none},
        {"incomplete wizard puzzle", outcome(1, 0, 0, false), false, false, none},
    };
    for (const Case& c : cases) EXPECT_EQ(updateLeds(c.result, c.fromFile, c.complete), c.lamps) << c.what;

    // The lamps count the entries a list did not keep, too.
    AnalysisResult many = outcome(0, 0, 0, true);
    many.backwardExtras.total = kMaxListEntries + 1;
    EXPECT_EQ(updateLeds(many, true, true), middle);
}

TEST(Memo, Lines) {
    AnalysisResult result;
    result.phraseMatches = true;
    EXPECT_EQ(memoLines("pes a ko\xE8ka", result),
              (std::vector<std::string>{"Tajenka: pes a ko\xE8ka", "Stav : V po\xF8\xE1" "dku"}));
    result.phraseMatches = false;
    result.remainingLetters = "PESAKO\xC8KAX";
    EXPECT_EQ(memoLines("pes a ko\xE8ka", result),
              (std::vector<std::string>{"Tajenka: pes a ko\xE8ka", "Stav : Neshoduje se",
                                        "Tajenka po vy\x9Akrt\xE1n\xED v\x9A" "ech slov: PESAKO\xC8KAX"}));
    EXPECT_EQ(memoLines("", result),
              (std::vector<std::string>{"Tajenka: ", "Stav : Neshoduje se",
                                        "Tajenka po vy\x9Akrt\xE1n\xED v\x9A" "ech slov: PESAKO\xC8KAX"}));
}

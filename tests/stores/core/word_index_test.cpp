#include "stores/core/word_index.h"

#include "support/core/cp1250_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

StringPairList listOf(std::initializer_list<std::string> words) {
    StringPairList list;
    for (const std::string& word : words) list.addKey(word);
    return list;
}

// What walking the stores finds: every word of each store in its order whose
// letter units fit.
std::vector<std::string> walk(const SlotPattern& pattern, bool chAsOne, std::initializer_list<StringPairList*> stores) {
    std::vector<std::string> found;
    for (StringPairList* store : stores)
        for (const std::string* word = &store->firstKey(); !word->empty(); word = &store->nextKey())
            if (word->find('@') == std::string::npos && pattern.matches(letterUnits(*word, chAsOne)))
                found.push_back(*word);
    return found;
}

SlotPattern patternOf(std::string_view cells) {  // "." a free cell, "@" a cell holding "ch"
    SlotPattern pattern;
    for (const char c : cells) {
        if (c == '.') pattern.units.emplace_back();
        else pattern.units.emplace_back(static_cast<unsigned char>(c));
    }
    return pattern;
}

TEST(WordIndex, FindsWhatAWalkOfTheStoresFinds) {
    StringPairList dictionary = listOf({"pes", "kos", "chata", "kachna", "Pes", "pes", "ch@t", "les", cp("kůň")});
    StringPairList user = listOf({"les", "chatka", "las"});
    StringPairList builtin = listOf({"pes", "chata", "oko", "lis", "", "skryto"});  // the walk ends at the empty key

    for (const bool chAsOne : {true, false}) {
        WordIndex dictionaryIndex(dictionary, chAsOne);
        WordIndex userIndex(user, chAsOne);
        WordIndex builtinIndex(builtin, chAsOne);
        struct Choice {
            CandidateStores stores;
            std::initializer_list<StringPairList*> walked;
        };
        // The three choices of the settings: all stores, the built-in words only, the user's words only.
        const Choice choices[] = {
            {{&dictionaryIndex, &userIndex, &builtinIndex}, {&dictionary, &user, &builtin}},
            {{nullptr, nullptr, &builtinIndex}, {&builtin}},
            {{nullptr, &userIndex, nullptr}, {&user}},
        };
        for (const char* cells : {"...", "p..", "..s", "l.s", "@.t.", "@ata", "chata", "ka@na", "k.", "....", "@", ".....", "x.."}) {
            for (const Choice& choice : choices) {
                const SlotPattern pattern = patternOf(cells);
                EXPECT_EQ(findCandidates(pattern, choice.stores), walk(pattern, chAsOne, choice.walked))
                    << cells << " ch " << chAsOne;
            }
        }
        // "pes" stands in the dictionary twice and in the built-in words: three times.
        const std::vector<std::string> hits = findCandidates(patternOf("pe."), choices[0].stores);
        EXPECT_EQ(std::count(hits.begin(), hits.end(), "pes"), 3);
    }
}

TEST(WordIndex, TakesInWordsAddedAfterItWasBuiltAndSkipsWordsWithTheMark) {
    StringPairList user = listOf({"les"});
    WordIndex index(user, true);
    CandidateStores stores{nullptr, &index, nullptr};
    EXPECT_EQ(findCandidates(patternOf("l.s"), stores), std::vector<std::string>{"les"});
    user.addKey("lis");
    user.addKey("l@s");
    EXPECT_EQ(findCandidates(patternOf("l.s"), stores), (std::vector<std::string>{"les", "lis"}));

    // A store emptied and filled anew is read anew.
    user.init();
    user.addKey("los");
    EXPECT_EQ(findCandidates(patternOf("l.s"), stores), std::vector<std::string>{"los"});

    // A pattern no word can match finds nothing.
    SlotPattern impossible = patternOf("l.s");
    impossible.impossible = true;
    EXPECT_TRUE(findCandidates(impossible, stores).empty());
}

}  // namespace

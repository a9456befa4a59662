#include "stores/core/word_index.h"

#include "support/core/cp1250_text.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

StringPairList listOf(std::initializer_list<std::string> words) {
    StringPairList list;
    for (const std::string& word : words) list.addKey(word);
    return list;
}

SlotPattern patternOf(std::string_view cells) {  // "." a free cell, "@" a cell holding "ch"
    SlotPattern pattern;
    for (const char c : cells) {
        if (c == '.') pattern.units.emplace_back();
        else pattern.units.emplace_back(static_cast<unsigned char>(c));
    }
    return pattern;
}

TEST(WordIndex, FindsTheWordsThatFitStoreAfterStoreInStoreOrder) {
    StringPairList dictionary = listOf({"pes", "kos", "chata", "kachna", "Pes", "pes", "ch@t", "les", cp("kůň")});
    StringPairList user = listOf({"les", "chatka", "las"});
    StringPairList builtin = listOf({"pes", "chata", "oko", "lis", "", "skryto"});  // the walk ends at the empty key

    enum Choice { all, builtinOnly, userOnly };
    struct Case {
        const char* cells;  // "." a free cell, "@" a cell holding "ch"
        bool chAsOne;
        Choice choice;
        std::vector<std::string> hits;
    };
    const Case cases[] = {
        // Every store in turn, each in its own order; "pes" is in the dictionary twice.
        {"...", true, all, {"pes", "kos", "Pes", "pes", "les", cp("kůň"), "les", "las", "pes", "oko", "lis"}},
        {"...", false, all, {"pes", "kos", "Pes", "pes", "les", cp("kůň"), "les", "las", "pes", "oko", "lis"}},
        {"...", true, builtinOnly, {"pes", "oko", "lis"}},
        {"...", true, userOnly, {"les", "las"}},
        // Fixed letters compare exactly: "Pes" is no "p..".
        {"p..", true, all, {"pes", "pes", "pes"}},
        {"k..", false, all, {"kos", cp("kůň")}},
        {"..s", true, all, {"pes", "kos", "Pes", "pes", "les", "les", "las", "pes", "lis"}},
        {"l.s", true, all, {"les", "les", "las", "lis"}},
        {"l.s", false, builtinOnly, {"lis"}},
        {"l.s", false, userOnly, {"les", "las"}},
        // "ch" as one letter takes one cell; as two letters, two.
        {"@.t.", true, all, {"chata", "chata"}},
        {"....", true, all, {"chata", "chata"}},
        {"....", false, all, {}},
        {"ka@na", true, all, {"kachna"}},
        {".....", true, all, {"kachna", "chatka"}},
        {".....", false, all, {"chata", "chata"}},
        {"chata", false, all, {"chata", "chata"}},
        {"chata", true, all, {}},
        {"@.t.", false, all, {}},
        // No word of that length, or none with that letter.
        {"k.", true, all, {}},
        {"@", true, all, {}},
        {"x..", true, all, {}},
        {"......", false, all, {"kachna", "chatka"}},
    };
    for (const Case& c : cases) {
        WordIndex dictionaryIndex(dictionary, c.chAsOne);
        WordIndex userIndex(user, c.chAsOne);
        WordIndex builtinIndex(builtin, c.chAsOne);
        const CandidateStores stores[] = {
            {&dictionaryIndex, &userIndex, &builtinIndex},
            {nullptr, nullptr, &builtinIndex},
            {nullptr, &userIndex, nullptr},
        };
        EXPECT_EQ(findCandidates(patternOf(c.cells), stores[c.choice]), c.hits)
            << c.cells << " ch " << c.chAsOne << " choice " << c.choice;
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

TEST(WordIndex, AStoreFilledAnewIsReadAnewWhateverItsSize) {
    // Each way a store is filled anew, with as many words as before or more;
    // "kos" stands where a fitting word stood before.
    struct Case {
        const char* what;
        std::function<void(StringPairList&)> refill;
        std::vector<std::string> hits;
    };
    const Case cases[] = {
        {"emptied, as many", [](StringPairList& s) { s.init(), s.addKey("kos"), s.addKey("las"); }, {"las"}},
        {"emptied, more", [](StringPairList& s) { s.init(), s.addKey("kos"), s.addKey("las"), s.addKey("lis"); },
         {"las", "lis"}},
        {"disposed of and copied into", [](StringPairList& s) { s.done(), listOf({"kos", "las"}).copyTo(s); },
         {"las"}},
        {"assigned a copy",
         [](StringPairList& s) {
             const StringPairList other = listOf({"x", "kos", "las"});
             s = other;
         },
         {"las"}},
        {"assigned by move", [](StringPairList& s) { s = listOf({"x", "kos", "las"}); }, {"las"}},
        {"moved away and filled again",
         [](StringPairList& s) {
             const StringPairList taken(std::move(s));
             s.addKey("kos"), s.addKey("las");
         },
         {"las"}},
    };
    for (const Case& c : cases) {
        StringPairList user = listOf({"les", "lis"});
        WordIndex index(user, true);
        const CandidateStores stores{nullptr, &index, nullptr};
        ASSERT_EQ(findCandidates(patternOf("l.s"), stores), (std::vector<std::string>{"les", "lis"}));
        c.refill(user);
        EXPECT_EQ(findCandidates(patternOf("l.s"), stores), c.hits) << c.what;
    }
}

}  // namespace

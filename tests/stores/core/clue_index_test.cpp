#include "stores/core/clue_index.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

using Clues = std::vector<std::string>;

TEST(ClueIndex, EveryPairOfAWordInWalkOrderUpToTheFirstEmptyWord) {
    StringPairList store;
    store.addPair("pes", "hafan");
    store.addPair("les", "bor");
    store.addPair("pes", "Azor");
    store.addPair("Pes", "souhvezdi");
    store.addPair("pes", "hafan");
    store.addPair("", "konec");
    store.addPair("pes", "za koncem");
    ClueIndex index(store);

    EXPECT_EQ(index.clues("pes"), (Clues{"hafan", "Azor", "hafan"})) << "duplicates kept, nothing after the end";
    EXPECT_EQ(index.clues("Pes"), Clues{"souhvezdi"});
    EXPECT_TRUE(index.clues("pe").empty());
    EXPECT_TRUE(index.clues("").empty());
    EXPECT_EQ(index.clue("pes"), "hafan") << "the first pair";
}

TEST(ClueIndex, PairsAddedOrChangedLaterAreSeenAtTheNextLookUp) {
    StringPairList store;
    store.addPair("pes", "hafan");
    ClueIndex index(store);
    ASSERT_EQ(index.clues("pes"), Clues{"hafan"});

    store.addPair("les", "bor");
    store.addPair("pes", "Azor");
    index.remember("pes", "ovcak");  // overwrites the first pair
    index.remember("kos", "ptak");   // appends one
    EXPECT_EQ(index.clues("pes"), (Clues{"ovcak", "Azor"}));
    EXPECT_EQ(index.clues("kos"), Clues{"ptak"});

    // The store emptied and filled anew: the index starts again.
    store.init();
    store.addPair("les", "hvozd");
    EXPECT_TRUE(index.clues("pes").empty());
    EXPECT_EQ(index.clues("les"), Clues{"hvozd"});
}

TEST(ClueIndex, AStoreFilledAnewIsReadAnewWhateverItsSize) {
    // Each way a store is filled anew, with as many pairs as before or more.
    const auto fill = [](StringPairList& store, std::initializer_list<std::pair<const char*, const char*>> pairs) {
        for (const auto& [word, clue] : pairs) store.addPair(word, clue);
    };
    struct Case {
        const char* what;
        std::function<void(StringPairList&)> refill;
    };
    const Case cases[] = {
        {"emptied, as many", [&](StringPairList& s) { s.init(), fill(s, {{"kos", "ptak"}, {"pes", "Azor"}}); }},
        {"emptied, more",
         [&](StringPairList& s) { s.init(), fill(s, {{"kos", "ptak"}, {"pes", "Azor"}, {"pes", "Rex"}}); }},
        {"assigned a copy",
         [&](StringPairList& s) {
             StringPairList other;
             fill(other, {{"kos", "ptak"}, {"pes", "Azor"}});
             s = other;
         }},
        {"assigned by move",
         [&](StringPairList& s) {
             StringPairList other;
             fill(other, {{"kos", "ptak"}, {"pes", "Azor"}, {"pes", "Rex"}});
             s = std::move(other);
         }},
    };
    for (const Case& c : cases) {
        StringPairList store;
        fill(store, {{"pes", "hafan"}, {"les", "bor"}});
        ClueIndex index(store);
        ASSERT_EQ(index.clue("pes"), "hafan");
        c.refill(store);
        EXPECT_EQ(index.clue("pes"), "Azor") << c.what;
        EXPECT_EQ(index.clues("kos"), Clues{"ptak"}) << c.what;
        EXPECT_TRUE(index.clues("les").empty()) << c.what;
    }
}

// Every pair of the store, the empty-keyed ones too.
std::vector<std::pair<std::string, std::string>> pairsOf(const StringPairList& store) {
    std::vector<std::pair<std::string, std::string>> pairs;
    for (std::size_t i = 0; i < store.size(); ++i) pairs.emplace_back(store.keyAt(i), store.valueAt(i));
    return pairs;
}

TEST(ClueIndex, RememberSetsTheFirstPairAndAppendsOnlyAWordWithAClue) {
    StringPairList store;
    store.addPair("pes", "hafan");
    ClueIndex index(store);
    ASSERT_EQ(index.clue("pes"), "hafan");
    store.addPair("les", "bor");  // appended past the index, as a store file is read

    index.remember("les", "hvozd");  // the pair appended directly
    index.remember("vlk", "");       // unknown and without a clue
    index.remember("", "prazdne slovo");
    index.remember("p@s", "zablokovane pole");
    index.remember("pes", "");  // an emptied clue overwrites
    index.remember("kos", "ptak");
    EXPECT_EQ(pairsOf(store), (std::vector<std::pair<std::string, std::string>>{
                                  {"pes", ""}, {"les", "hvozd"}, {"kos", "ptak"}}));
    EXPECT_EQ(index.clues("les"), Clues{"hvozd"});
    EXPECT_EQ(index.clue("pes"), "");
    EXPECT_EQ(index.clue("vlk"), std::nullopt);
}

}  // namespace

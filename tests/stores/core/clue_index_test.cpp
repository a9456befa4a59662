#include "stores/core/clue_index.h"

#include <gtest/gtest.h>

#include <string>
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

}  // namespace

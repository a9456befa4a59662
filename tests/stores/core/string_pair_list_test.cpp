#include "stores/core/string_pair_list.h"

#include "tests/frame/core/frame_state.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using Pairs = std::vector<std::pair<std::string, std::string>>;

StringPairList listOf(const Pairs& pairs) {
    StringPairList list;
    for (const auto& [key, value] : pairs) list.addPair(key, value);
    return list;
}

TEST(StringPairList, NewListHasNothingToWalkOrFind) {
    StringPairList list;
    EXPECT_TRUE(walkPairs(list).empty());
    for (const char* key : {"a", ""}) EXPECT_EQ(list.find(key), nullptr) << key;
}

// Searching must never plant the searched key where a walk, a copy or a saved
// file could deliver it.
TEST(StringPairList, SearchesLeaveWalksAndCopiesAsTheyWere) {
    StringPairList list;
    list.addKey("a");
    list.addKey("b");

    const StringPairList::Node* b = list.find("b");
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->key, "b");
    EXPECT_EQ(list.find("a")->key, "a");
    EXPECT_NE(list.find("a"), b);

    for (const char* missing : {"B", "", "c", "ab", "a "}) EXPECT_EQ(list.find(missing), nullptr) << missing;

    EXPECT_EQ(walkKeys(list), (std::vector<std::string>{"a", "b"}));
    StringPairList copy;
    list.copyTo(copy);
    EXPECT_EQ(walkKeys(copy), (std::vector<std::string>{"a", "b"}));
}

TEST(StringPairList, SearchAnswersTheFirstOfEqualKeys) {
    StringPairList list = listOf({{"pes", "1"}, {"kos", "2"}, {"pes", "3"}});
    EXPECT_EQ(list.find("pes")->value, "1");
}

TEST(StringPairList, FoundPairsStayValidWhileTheListGrows) {
    StringPairList list;
    list.addPair("pes", "zvire");
    const StringPairList::Node* found = list.find("pes");
    for (int i = 0; i < 20000; ++i) list.addKey("w" + std::to_string(i));
    EXPECT_EQ(found, list.find("pes"));
    EXPECT_EQ(found->value, "zvire");
    EXPECT_EQ(list.find("w19999")->key, "w19999");
}

TEST(StringPairList, WalksDeliverPairsInOrderAndStopAtAnEmptyKey) {
    struct Case {
        const char* name;
        Pairs added;
        Pairs walked;
    };
    const Case cases[] = {
        {"key without value", {{"x", ""}}, {{"x", ""}}},
        {"pairs in order", {{"a", "1"}, {"b", ""}, {"c", "3"}}, {{"a", "1"}, {"b", ""}, {"c", "3"}}},
        {"empty key hides the rest", {{"a", "1"}, {"", "y"}, {"c", "3"}}, {{"a", "1"}}},
    };
    for (const Case& c : cases) {
        StringPairList list = listOf(c.added);
        EXPECT_EQ(walkPairs(list), c.walked) << c.name;
        EXPECT_EQ(walkPairs(list), c.walked) << c.name << " (second walk)";
    }
    // A pair hidden from walks can still be found.
    StringPairList list = listOf({{"a", "1"}, {"", "y"}, {"c", "3"}});
    ASSERT_NE(list.find("c"), nullptr);
    EXPECT_EQ(list.find("c")->value, "3");
}

TEST(StringPairList, CopyAppendsBehindWhatTheDestinationHolds) {
    StringPairList source = listOf({{"a", "1"}, {"b", "2"}});
    source.find("zz");
    StringPairList destination = listOf({{"x", "9"}});
    source.copyTo(destination);
    EXPECT_EQ(walkPairs(destination), (Pairs{{"x", "9"}, {"a", "1"}, {"b", "2"}}));
    EXPECT_EQ(walkPairs(source), (Pairs{{"a", "1"}, {"b", "2"}}));

    source.copyTo(source);
    EXPECT_EQ(walkPairs(source), (Pairs{{"a", "1"}, {"b", "2"}, {"a", "1"}, {"b", "2"}}));
}

TEST(StringPairList, DoneAndInitLeaveAnEmptyListReadyForUse) {
    StringPairList list = listOf({{"a", "1"}, {"b", "2"}});
    list.done();
    EXPECT_TRUE(walkPairs(list).empty());
    EXPECT_EQ(list.find("a"), nullptr);
    list.init();
    list.addKey("c");
    EXPECT_EQ(walkKeys(list), std::vector<std::string>{"c"});
}

}  // namespace

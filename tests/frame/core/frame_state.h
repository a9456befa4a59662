#pragma once
// The program-wide state of the frame as the tests of the frame and of the
// puzzle windows set it back and read it.

#include "frame/core/config.h"
#include "stores/core/string_pair_list.h"

#include <string>
#include <utility>
#include <vector>

// Every setting back to zero, in the record and in the live blocks.
inline void clearSettings() {
    configRecord = {};
    frameSettings = {};
    crosswordSettings = {};
    crissCrossSettings = {};
    wordSearchSettings = {};
}

// Everything a walk delivers, as the stores' readers walk: until the first empty key.
inline std::vector<std::string> walkKeys(StringPairList& list) {
    std::vector<std::string> keys;
    for (const std::string* key = &list.firstKey(); !key->empty(); key = &list.nextKey()) keys.push_back(*key);
    return keys;
}

inline std::vector<std::pair<std::string, std::string>> walkPairs(StringPairList& list) {
    std::vector<std::pair<std::string, std::string>> pairs;
    for (const auto* node = &list.firstPair(); !node->key.empty(); node = &list.nextPair())
        pairs.emplace_back(node->key, node->value);
    return pairs;
}

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

// Everything a store delivers to its readers: the pairs until the first empty key.
inline std::vector<std::pair<std::string, std::string>> walkPairs(const StringPairList& list) {
    std::vector<std::pair<std::string, std::string>> pairs;
    list.forEachPair([&pairs](const StringPairList::Node& node) { pairs.emplace_back(node.key, node.value); });
    return pairs;
}

inline std::vector<std::string> walkKeys(const StringPairList& list) {
    std::vector<std::string> keys;
    for (auto& [key, value] : walkPairs(list)) keys.push_back(std::move(key));
    return keys;
}

#include "stores/core/string_pair_list.h"

#include <utility>

StringPairList& StringPairList::operator=(const StringPairList& other) {
    if (&other == this) return *this;
    ++generation_;
    nodes_ = other.nodes_;
    return *this;
}

StringPairList& StringPairList::operator=(StringPairList&& other) noexcept {
    if (&other == this) return *this;
    ++generation_;
    nodes_ = std::move(other.nodes_);
    other.init();
    return *this;
}

void StringPairList::addKey(std::string key) { nodes_.push_back({std::move(key), {}}); }

void StringPairList::addPair(std::string key, std::string value) {
    nodes_.push_back({std::move(key), std::move(value)});
}

StringPairList::Node* StringPairList::find(std::string_view key) {
    for (Node& node : nodes_)
        if (node.key == key) return &node;
    return nullptr;
}

const StringPairList::Node* StringPairList::find(std::string_view key) const {
    for (const Node& node : nodes_)
        if (node.key == key) return &node;
    return nullptr;
}

void StringPairList::copyTo(StringPairList& destination) const {
    // Counted first, so a list copied into itself stops at its old end.
    const std::size_t count = nodes_.size();
    for (std::size_t i = 0; i < count && !nodes_[i].key.empty(); ++i)
        destination.addPair(nodes_[i].key, nodes_[i].value);
}

void StringPairList::append(StringPairList&& other) {
    if (&other == this) return;
    if (nodes_.empty()) {
        nodes_ = std::move(other.nodes_);
    } else {
        const std::size_t before = nodes_.size();
        try {
            for (Node& node : other.nodes_) nodes_.push_back(std::move(node));
        } catch (...) {
            // Moved back, so that neither list loses a pair.
            for (std::size_t i = before; i < nodes_.size(); ++i) other.nodes_[i - before] = std::move(nodes_[i]);
            nodes_.resize(before);
            throw;
        }
    }
    other.init();
}

bool operator==(const StringPairList& a, const StringPairList& b) {
    auto walked = [](const StringPairList& list) {
        std::size_t count = 0;
        while (count < list.nodes_.size() && !list.nodes_[count].key.empty()) ++count;
        return count;
    };
    const std::size_t count = walked(a);
    if (walked(b) != count) return false;
    for (std::size_t i = 0; i < count; ++i)
        if (a.nodes_[i].key != b.nodes_[i].key || a.nodes_[i].value != b.nodes_[i].value) return false;
    return true;
}

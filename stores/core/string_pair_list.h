#pragma once
// The container behind the word and clue stores and behind the word lists of the
// crossword windows: (key, value) pairs of Windows-1250 text kept in the order
// they were appended. Word stores use only the keys; clue stores keep a word as
// the key and its clue as the value.
//
// Readers walk the pairs in order (forEachPair) and stop at the first pair with
// an empty key: the walk ends there, and the stores' readers never append such
// pairs. There is no deletion of single pairs and no sorting; look-ups are
// linear and duplicate keys are allowed (find answers the first).

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>

class StringPairList {
public:
    struct Node {
        std::string key;
        std::string value;
    };

    StringPairList() = default;
    StringPairList(const StringPairList& other) : nodes_(other.nodes_) {}
    // The moved-from list is left empty.
    StringPairList(StringPairList&& other) : nodes_(std::move(other.nodes_)) { other.init(); }
    StringPairList& operator=(const StringPairList& other);
    StringPairList& operator=(StringPairList&& other) noexcept;

    // Empties the list.
    void init() {
        nodes_.clear();
        ++generation_;
    }
    // Appends a pair with an empty value / with the value given. Constant time.
    void addKey(std::string key);
    void addPair(std::string key, std::string value);

    // The first pair whose key equals `key` byte for byte (case-sensitive), or
    // nullptr. Searching never changes what a walk delivers. The node stays
    // valid while the list lives and is not emptied.
    Node* find(std::string_view key);
    const Node* find(std::string_view key) const;

    // Reading by place: the pairs appended so far, and the key at a place,
    // counted from 0. A reader stops at the first empty key, as a walk does.
    std::size_t size() const { return nodes_.size(); }
    const std::string& keyAt(std::size_t index) const { return nodes_[index].key; }
    const std::string& valueAt(std::size_t index) const { return nodes_[index].value; }
    // Overwrites the value of the pair at a place; the key stays.
    void setValueAt(std::size_t index, std::string value) { nodes_[index].value = std::move(value); }

    // Changes whenever the pairs are replaced instead of appended to (the list
    // emptied, assigned or moved from), so that a reader keeping its place in
    // the list (an index) knows to start again, however many pairs came back.
    std::uint64_t generation() const { return generation_; }

    // Appends every pair a walk of this list delivers to `destination`, in order,
    // behind the pairs it already holds. Copying a list into itself doubles it.
    void copyTo(StringPairList& destination) const;

    // Moves every pair of `other` behind the pairs this list holds, in order;
    // `other` is empty afterwards. When memory runs out on the way, this list is
    // as it was and the exception goes on.
    void append(StringPairList&& other);

    // The walk: calls f(node) for every pair in order, up to the first empty key.
    template <class F>
    void forEachPair(F&& f) const {
        for (const Node& node : nodes_) {
            if (node.key.empty()) break;
            f(node);
        }
    }

    // The same pairs in the same order, as walks of both lists deliver them.
    friend bool operator==(const StringPairList& a, const StringPairList& b);

    // Disposes of every pair; the list is empty afterwards.
    void done() { init(); }

private:
    std::deque<Node> nodes_;
    std::uint64_t generation_ = 0;
};

#include "wordsearch/core/word_pool.h"

#include "document/core/document_kinds.h"
#include "platform/core/czech.h"

#include <algorithm>
#include <iterator>
#include <set>

namespace {

bool isBlankOrControl(unsigned char c) { return c <= 0x20 || c == 0x7F; }

bool clashesWithGridMarks(unsigned char c) { return c == hiddenCellText[0] || c == 0xA9 || c == '#'; }

}  // namespace

std::optional<std::string> poolWord(std::string_view line) {
    std::size_t begin = 0;
    std::size_t end = line.size();
    while (begin < end && isBlankOrControl(static_cast<unsigned char>(line[begin]))) ++begin;
    while (end > begin && isBlankOrControl(static_cast<unsigned char>(line[end - 1]))) --end;
    if (begin == end) return std::nullopt;
    const std::string_view word = line.substr(begin, end - begin);
    for (const char ch : word) {
        const auto c = static_cast<unsigned char>(ch);
        if (isBlankOrControl(c) || clashesWithGridMarks(c)) return std::nullopt;
    }
    return std::string(word);
}

bool isUsablePoolWord(std::string_view word) {
    const auto cleaned = poolWord(word);
    return cleaned && cleaned->size() == word.size();
}

std::vector<std::string> buildWordPool(WordSource source, const std::vector<std::string>& dictionaryWords,
                                       const std::vector<std::string>& editorLines) {
    // Words that come in order (the dictionary copy is a sorted list already)
    // are appended; from the first word out of order on, the rest go into a
    // set, minus those already taken. Either way the first of several words
    // that differ only in letter case is the one kept.
    std::vector<std::string> inOrder;
    std::set<std::string, CzechLess> later;
    bool stillInOrder = true;
    auto add = [&](const std::vector<std::string>& lines) {
        for (const auto& line : lines) {
            auto word = poolWord(line);
            if (!word) continue;
            if (stillInOrder && (inOrder.empty() || czechCompare(inOrder.back(), *word) < 0)) {
                inOrder.push_back(std::move(*word));
                continue;
            }
            stillInOrder = false;
            if (!std::binary_search(inOrder.begin(), inOrder.end(), *word, CzechLess{})) later.insert(std::move(*word));
        }
    };
    if (source != WordSource::Editor) add(dictionaryWords);
    if (source != WordSource::Dictionaries) add(editorLines);
    if (later.empty()) return inOrder;
    std::vector<std::string> pool;
    pool.reserve(inOrder.size() + later.size());
    std::merge(std::make_move_iterator(inOrder.begin()), std::make_move_iterator(inOrder.end()), later.begin(),
               later.end(), std::back_inserter(pool), CzechLess{});
    return pool;
}

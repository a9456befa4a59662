#include "stores/core/shipped_dictionary.h"

#include "platform/core/czech.h"

#include <algorithm>

namespace {

// a e i o u y á é ě í ó ú ů ý
bool isVowel(unsigned char c) {
    static constexpr std::string_view vowels = "aeiouy\xE1\xE9\xEC\xED\xF3\xFA\xF9\xFD";
    return vowels.find(static_cast<char>(c)) != std::string_view::npos;
}

bool isLiquid(unsigned char c) { return c == 'r' || c == 'l'; }

}  // namespace

bool isShippedDictionaryWord(std::string_view word) {
    if (word.size() < 2 || word.size() > 15) return false;
    // Exactly the lower-case letters have an upper-case partner: a to z and the
    // fifteen accented Czech letters.
    const bool letters = std::all_of(word.begin(), word.end(), [](char c) {
        const auto letter = static_cast<unsigned char>(c);
        return czechUpperChar(letter) != letter;
    });
    if (!letters) return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
        const auto c = static_cast<unsigned char>(word[i]);
        if (isVowel(c)) return true;
        if (!isLiquid(c) || i == 0 || i + 1 == word.size()) continue;
        const auto before = static_cast<unsigned char>(word[i - 1]);
        const auto after = static_cast<unsigned char>(word[i + 1]);
        if (!isVowel(before) && !isLiquid(before) && !isVowel(after) && !isLiquid(after)) return true;
    }
    return false;
}

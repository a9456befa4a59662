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

bool isLowerLetter(unsigned char c) { return czechUpperChar(c) != c; }
bool isUpperLetter(unsigned char c) { return czechLowerChar(c) != c; }

}  // namespace

bool isShippedDictionaryWord(std::string_view word) {
    if (word.size() < 2 || word.size() > 15) return false;
    // Exactly the lower-case letters have an upper-case partner: a to z and the
    // fifteen accented Czech letters.
    const bool letters =
        std::all_of(word.begin(), word.end(), [](char c) { return isLowerLetter(static_cast<unsigned char>(c)); });
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

std::optional<std::string> shippedCrosswordWord(std::string_view stem) {
    if (stem.size() < 2 || stem.size() > 15) return std::nullopt;
    const bool letters = std::all_of(stem.begin(), stem.end(), [](char c) {
        const auto letter = static_cast<unsigned char>(c);
        return isLowerLetter(letter) || isUpperLetter(letter);
    });
    if (!letters) return std::nullopt;
    const bool properName =
        isUpperLetter(static_cast<unsigned char>(stem[0])) &&
        std::any_of(stem.begin() + 1, stem.end(), [](char c) { return isLowerLetter(static_cast<unsigned char>(c)); });
    if (properName) return std::nullopt;
    return czechLowerCase(stem);
}

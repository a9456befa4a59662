#include "document/core/phrase_letters.h"

#include "platform/core/czech.h"

#include <bitset>

std::string phraseLetters(std::string_view phrase, bool chAsOneLetter) {
    std::string letters;
    letters.reserve(phrase.size());
    for (const char c : phrase)
        if (c != ' ') letters += c;
    return chAsOneLetter ? joinDigraphs(letters, chPlaceholder) : letters;
}

int distinctPhraseLetters(std::string_view phrase, bool chAsOneLetter) {
    std::bitset<256> seen;
    for (const char c : phraseLetters(phrase, chAsOneLetter)) seen.set(static_cast<unsigned char>(c));
    return static_cast<int>(seen.count());
}

std::string_view trimmedBlanks(std::string_view text) {
    const auto blank = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

std::string trimmedPhrase(std::string_view text, std::size_t maxLength) {
    return std::string(trimmedBlanks(text).substr(0, maxLength));
}

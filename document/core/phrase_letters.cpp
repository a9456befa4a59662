#include "document/core/phrase_letters.h"

#include "platform/core/czech.h"

#include <bitset>

std::string phraseLetters(std::string_view phrase, bool chAsOneLetter) {
    std::string letters;
    letters.reserve(phrase.size());
    for (const char c : phrase)
        if (c != ' ') letters += c;
    return chAsOneLetter ? joinDigraphs(letters, phraseChLetter) : letters;
}

int distinctPhraseLetters(std::string_view phrase, bool chAsOneLetter) {
    std::bitset<256> seen;
    for (const char c : phraseLetters(phrase, chAsOneLetter)) seen.set(static_cast<unsigned char>(c));
    return static_cast<int>(seen.count());
}

#include "crisscross/core/krs_phrase.h"

#include "document/core/phrase_letters.h"
#include "platform/core/czech.h"

#include <algorithm>

namespace {

// A letter of the phrase as the table writes it.
std::string tableEntryOf(char letter, bool chAsOneLetter) {
    if (chAsOneLetter && letter == chPlaceholder) return "ch";
    return std::string(1, letter);
}

}  // namespace

std::optional<DigitTable> assignDigitsToLetters(std::string_view secretPhrase, bool chAsOneLetter) {
    std::string slots;  // the distinct letters in the order of their first appearance
    for (const char letter : phraseLetters(secretPhrase, chAsOneLetter)) {
        if (slots.find(letter) != std::string::npos) continue;
        if (slots.size() == krs::digitCount) return std::nullopt;
        slots += letter;
    }
    DigitTable table;
    for (std::size_t digit = 0; digit < table.size(); ++digit)
        table[digit] = digit < slots.size() ? tableEntryOf(slots[digit], chAsOneLetter) : std::string(" ");
    return table;
}

std::string encodeTajenka(std::string_view secretPhrase, const DigitTable& table, bool chAsOneLetter) {
    std::string coded;
    for (const char letter : phraseLetters(secretPhrase, chAsOneLetter)) {
        const std::string entry = tableEntryOf(letter, chAsOneLetter);
        for (std::size_t digit = 0; digit < table.size(); ++digit)
            if (table[digit] == entry) coded += static_cast<char>('0' + digit);
        if (coded.size() >= krs::maxTextLength) break;
    }
    if (coded.size() > krs::maxTextLength) coded.resize(krs::maxTextLength);
    return coded;
}

bool phraseFitsDigits(std::string_view secretPhrase) {
    return std::min(distinctPhraseLetters(secretPhrase, false), distinctPhraseLetters(secretPhrase, true)) <=
           krs::digitCount;
}

bool allDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

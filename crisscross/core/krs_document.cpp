#include "crisscross/core/krs_document.h"

#include "document/core/document_kinds.h"

#include <algorithm>

bool KrsCell::hidden() const { return text == hiddenCellText; }

bool numberLess(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return a.size() < b.size();
    return a < b;  // byte by byte, as unsigned bytes
}

void sortNumbers(std::vector<std::string>& numbers) {
    // Equal numbers are alike in every byte, so any sort gives the list a
    // selection sort keeping the first smallest would give.
    std::sort(numbers.begin(), numbers.end(), [](const std::string& a, const std::string& b) { return numberLess(a, b); });
}

bool digitInUse(std::string_view entry) { return entry.find_first_not_of(' ') != std::string_view::npos; }

int buildDigitKey(std::string_view secretPhrase, const DigitTable& table, DigitKey& lines) {
    int last = -1;
    if (secretPhrase.empty()) return last;
    for (int digit = 0; digit < krs::digitCount; ++digit) {
        const std::string& entry = table[static_cast<std::size_t>(digit)];
        if (!digitInUse(entry)) continue;
        ++last;
        lines[static_cast<std::size_t>(last)] = std::to_string(digit) + " = " + entry + ", ";
    }
    if (last >= 0) {
        std::string& line = lines[static_cast<std::size_t>(last)];
        line.resize(line.size() - 2);
        line += '.';
    }
    // A line of the digit key is kept to the length every text of the puzzle keeps to.
    for (int i = 0; i <= last; ++i) {
        std::string& line = lines[static_cast<std::size_t>(i)];
        if (line.size() > krs::maxTextLength) line.resize(krs::maxTextLength);
    }
    return last;
}

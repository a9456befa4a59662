// Builds the shipped Czech dictionary and the built-in crossword words from a
// hunspell word list.
//
//   tool_build_dictionary <cs_CZ.dic> <cestina.slv> <kriz.dat>
//
// The .dic file is UTF-8; its first line is the number of entries, every other
// line a stem, optionally followed by "/" and affix flags. The dictionary gets
// the stems isShippedDictionaryWord takes (stores/core/shipped_dictionary.h):
// words of 2 to 15 lower-case Czech letters with a syllable. The crossword
// words are what shippedCrosswordWord makes of the other stems (abbreviations,
// symbols and syllable-less words, in lower case) that the dictionary does not
// hold, so that a word stands in one of the two files only. Both are written
// in Windows-1250, sorted by byte and each word once, as CR LF lines, the
// crossword words scrambled; the tool says how many words each got and how
// many stems it dropped.

#include "platform/core/cp1250.h"
#include "platform/core/textfile.h"
#include "stores/core/shipped_dictionary.h"
#include "stores/core/word_stores.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <utility>
#include <vector>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <hunspell .dic> <output .slv> <output kriz.dat>\n", argv[0]);
        return 2;
    }
    const auto read = readFileBytes(argv[1], fileLimit::wordStore);
    const auto* bytes = std::get_if<std::string>(&read);
    if (!bytes) {
        std::fprintf(stderr, "%s: cannot read %s\n", argv[0], argv[1]);
        return 1;
    }
    const auto lines = splitLines(*bytes);
    std::vector<std::string> words;
    std::vector<std::string> crosswordWords;
    std::vector<std::string> dropped;
    words.reserve(lines.size());
    for (std::size_t i = 1; i < lines.size(); ++i) {  // the first line is the count
        const std::string_view stem = lines[i].substr(0, lines[i].find('/'));
        if (stem.empty()) continue;
        auto word = cp1250::utf8ToCp1250(stem);
        if (word && isShippedDictionaryWord(*word)) {
            words.push_back(std::move(*word));
        } else if (auto crosswordWord = word ? shippedCrosswordWord(*word) : std::nullopt) {
            crosswordWords.push_back(std::move(*crosswordWord));
        } else {
            dropped.emplace_back(stem);
        }
    }
    const auto sortUnique = [](std::vector<std::string>& list) {
        std::sort(list.begin(), list.end());
        list.erase(std::unique(list.begin(), list.end()), list.end());
    };
    sortUnique(words);
    sortUnique(crosswordWords);
    // A crossword word the dictionary holds ("IBM" beside "ibm") stays in the dictionary only.
    std::erase_if(crosswordWords,
                  [&words](const std::string& word) { return std::binary_search(words.begin(), words.end(), word); });
    std::sort(dropped.begin(), dropped.end());
    dropped.erase(std::unique(dropped.begin(), dropped.end()), dropped.end());
    if (words.empty()) {
        std::fprintf(stderr, "%s: no words found in %s\n", argv[0], argv[1]);
        return 1;
    }
    std::vector<std::string> scrambled = crosswordWords;
    for (std::string& line : scrambled) scrambleLine(line);
    for (const auto& [path, lines] : {std::pair{argv[2], &words}, std::pair{argv[3], &scrambled}}) {
        if (!writeLinesAtomic(path, *lines)) {
            std::fprintf(stderr, "%s: cannot write %s\n", argv[0], path);
            return 1;
        }
    }
    std::printf("%s: %zu words, %s: %zu crossword words, %zu stems dropped\n", argv[2], words.size(), argv[3],
                crosswordWords.size(), dropped.size());
    return 0;
}

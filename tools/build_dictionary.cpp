// Builds the shipped Czech dictionary from a hunspell word list.
//
//   tool_build_dictionary <cs_CZ.dic> <cestina.slv>
//
// The .dic file is UTF-8; its first line is the number of entries, every other
// line a stem, optionally followed by "/" and affix flags. Kept are the stems
// isShippedDictionaryWord takes (stores/core/shipped_dictionary.h): real words
// of 2 to 15 lower-case Czech letters, no abbreviations or unit symbols. They
// are written in Windows-1250, sorted by byte and each once, as CR LF lines;
// the tool says how many stems it kept and how many it dropped.

#include "platform/core/cp1250.h"
#include "platform/core/textfile.h"
#include "stores/core/shipped_dictionary.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <hunspell .dic> <output .slv>\n", argv[0]);
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
    std::vector<std::string> dropped;
    words.reserve(lines.size());
    for (std::size_t i = 1; i < lines.size(); ++i) {  // the first line is the count
        const std::string_view stem = lines[i].substr(0, lines[i].find('/'));
        if (stem.empty()) continue;
        auto word = cp1250::utf8ToCp1250(stem);
        if (word && isShippedDictionaryWord(*word)) {
            words.push_back(std::move(*word));
        } else {
            dropped.emplace_back(stem);
        }
    }
    std::sort(words.begin(), words.end());
    words.erase(std::unique(words.begin(), words.end()), words.end());
    std::sort(dropped.begin(), dropped.end());
    dropped.erase(std::unique(dropped.begin(), dropped.end()), dropped.end());
    if (words.empty()) {
        std::fprintf(stderr, "%s: no words found in %s\n", argv[0], argv[1]);
        return 1;
    }
    if (!writeLinesAtomic(argv[2], words)) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[2]);
        return 1;
    }
    std::printf("%s: %zu words kept, %zu dropped\n", argv[2], words.size(), dropped.size());
    return 0;
}

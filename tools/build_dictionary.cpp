// Builds the shipped Czech dictionary from a hunspell word list.
//
//   tool_build_dictionary <cs_CZ.dic> <cestina.slv>
//
// The .dic file is UTF-8; its first line is the number of entries, every other
// line a stem, optionally followed by "/" and affix flags. Kept are the stems of
// 2 to 15 letters that are lower-case Czech letters only; they are written in
// Windows-1250, sorted by byte and each once, as CR LF lines.

#include "platform/core/cp1250.h"
#include "platform/core/czech.h"
#include "platform/core/textfile.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

bool isDictionaryWord(const std::string& word) {
    if (word.size() < 2 || word.size() > 15) return false;
    // Exactly the lower-case letters have an upper-case partner: a to z and the
    // fifteen accented Czech letters.
    return std::all_of(word.begin(), word.end(), [](char c) {
        const auto letter = static_cast<unsigned char>(c);
        return czechUpperChar(letter) != letter;
    });
}

}  // namespace

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
    words.reserve(lines.size());
    for (std::size_t i = 1; i < lines.size(); ++i) {  // the first line is the count
        const std::string_view stem = lines[i].substr(0, lines[i].find('/'));
        auto word = cp1250::utf8ToCp1250(stem);
        if (word && isDictionaryWord(*word)) words.push_back(std::move(*word));
    }
    std::sort(words.begin(), words.end());
    words.erase(std::unique(words.begin(), words.end()), words.end());
    if (words.empty()) {
        std::fprintf(stderr, "%s: no words found in %s\n", argv[0], argv[1]);
        return 1;
    }
    if (!writeLinesAtomic(argv[2], words)) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[2]);
        return 1;
    }
    std::printf("%s: %zu words\n", argv[2], words.size());
    return 0;
}

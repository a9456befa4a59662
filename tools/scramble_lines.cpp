// Stores every line of a file through the substitution of the built-in word and
// clue files, so that the program's decodeLine gives the lines back.
//
//   tool_scramble_lines [--from-utf8] <input> <output>
//
// With --from-utf8 the input is UTF-8 and is converted to Windows-1250 first; a
// line that the code page cannot hold stops the tool with its line number.

#include "platform/core/cp1250.h"
#include "platform/core/textfile.h"
#include "stores/core/word_stores.h"

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

int main(int argc, char** argv) {
    const bool fromUtf8 = argc == 4 && std::string_view(argv[1]) == "--from-utf8";
    if (argc != 3 && !fromUtf8) {
        std::fprintf(stderr, "usage: %s [--from-utf8] <input> <output>\n", argv[0]);
        return 2;
    }
    const char* input = argv[argc - 2];
    const char* output = argv[argc - 1];
    const auto read = readFileBytes(input, fileLimit::wordStore);
    const auto* bytes = std::get_if<std::string>(&read);
    if (!bytes) {
        std::fprintf(stderr, "%s: cannot read %s\n", argv[0], input);
        return 1;
    }
    std::vector<std::string> lines;
    int number = 0;
    for (std::string_view line : splitLines(*bytes)) {
        ++number;
        std::string text(line);
        if (fromUtf8) {
            auto converted = cp1250::utf8ToCp1250(line);
            if (!converted) {
                std::fprintf(stderr, "%s:%d: not representable in Windows-1250\n", input, number);
                return 1;
            }
            text = std::move(*converted);
        }
        scrambleLine(text);
        lines.push_back(std::move(text));
    }
    if (!writeLinesAtomic(output, lines)) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], output);
        return 1;
    }
    return 0;
}

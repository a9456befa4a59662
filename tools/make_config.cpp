// Writes the settings file shipped beside grilpad: both tool bars shown,
// document windows not maximised, a new word search at start, cells of 25
// pixels, the word-search generator filling empty cells with whole words first,
// every other setting off or on its first choice (so a failed word-search
// generation starts again).
//
//   tool_make_config <output file>

#include "frame/core/config.h"
#include "platform/core/textfile.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output file>\n", argv[0]);
        return 2;
    }
    ConfigRecord record{};
    record[configByte::showStandardToolBar] = 1;
    record[configByte::showEditToolBar] = 1;
    record[configByte::startWindow] = 1;  // a word search
    record[configByte::cellSize] = 25;
    record[configByte::preferWholeWords] = 1;
    if (!writeFileAtomic(argv[1], configBytes(record))) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
        return 1;
    }
    return 0;
}

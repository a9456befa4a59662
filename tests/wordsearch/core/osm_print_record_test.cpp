// The word-search printout, operation by operation, against the recording in
// tests/wordsearch/fixtures/print_operations.txt (A4 at 300 pixels per inch).
// The recording pins the whole layout: the frame, every cell, the boxes of
// hidden cells, the word list's wrapping and its page breaks.

#include "platform/core/textfile.h"
#include "support/core/temp_folder.h"
#include "wordsearch/core/osm_print.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

using Kind = RecordingCanvas::Kind;

// A text in double quotes, with quotes, backslashes and every byte outside
// printable ASCII written as \xNN, so that the recording is plain ASCII.
std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte >= 0x7F || c == '"' || c == '\\') {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string kindName(Kind kind) {
    switch (kind) {
        case Kind::Rectangle: return "rectangle";
        case Kind::Fill: return "fill";
        case Kind::Line: return "line";
        case Kind::Text: return "text";
        case Kind::NewPage: return "newpage";
    }
    return "?";
}

// One line of the recording: kind, coordinates, pen, brush, font and text.
std::string describe(const RecordingCanvas::Operation& op) {
    char tools[96];
    std::snprintf(tools, sizeof tools, " pen %06X %d brush %06X font %d %d ", static_cast<unsigned>(op.pen),
                  op.penWidth, static_cast<unsigned>(op.brush), op.font.pointSize, op.font.bold ? 1 : 0);
    return kindName(op.kind) + " " + std::to_string(op.left) + " " + std::to_string(op.top) + " " +
           std::to_string(op.right) + " " + std::to_string(op.bottom) + tools + quoted(op.font.family) + " " +
           quoted(op.text);
}

// Ten by ten: lower-case letters (two of them Czech), "CH", hidden cells in
// two corners and the middle, three words.
OsmDocument tenByTen() {
    OsmDocument document = OsmDocument::blank(10, 10);
    const std::string letters = "abcdefghijklmnopqrstuvwxyz\xE8\x9A\xF8";
    for (int row = 1; row <= 10; ++row)
        for (int column = 1; column <= 10; ++column)
            document.cell(column, row).text = std::string(1, letters[static_cast<std::size_t>(row * 7 + column) % letters.size()]);
    document.cell(4, 5).text = "CH";
    document.cell(6, 2).text = "ch";
    for (const auto& [column, row] : {std::pair{1, 1}, {10, 10}, {5, 5}, {6, 5}}) document.cell(column, row).text = "@";
    document.words = {"pes", "\xE8" "ap", "chata"};
    return document;
}

// Seven columns, 44 rows: only the first row and the last column hold
// letters, three cells of the last row are hidden. The list starts three
// lines above the bottom limit and runs over two further pages; its words
// have lengths that leave lines of one to several words. A word wider than a
// whole line is broken where its line is full; its rest and a short word
// follow on the next line, then a word that fills that line exactly to the
// right limit (and so goes to the next line) and, after a short word on a
// fresh line, one a character short of that (it stays on the line).
OsmDocument longList() {
    OsmDocument document = OsmDocument::blank(7, 44);
    for (int column = 1; column <= 7; ++column) document.cell(column, 1).text = std::string(1, static_cast<char>('k' + column));
    for (int row = 2; row <= 44; ++row) document.cell(7, row).text = "\xE1";
    for (int column = 1; column <= 3; ++column) document.cell(column, 44).text = "@";
    const int lengths[] = {5, 12, 30, 8, 21, 3, 17, 40, 9, 26, 1, 14, 33, 6, 72, 11, 19, 2, 28, 10};
    for (int i = 0; i < 240; ++i) {
        const std::map<int, int> chosen = {{101, 80}, {102, 10}, {103, 56}, {104, 10}, {105, 61}};
        const int length = chosen.contains(i) ? chosen.at(i) : lengths[i % 20];
        std::string word;
        for (int k = 0; k < length; ++k) word += static_cast<char>('a' + (i + k) % 26);
        if (i % 7 == 3) word[0] = '\xC8';  // Č
        document.words.push_back(word);
    }
    return document;
}

// The widest and tallest grid whose frame lies on an A4 page: 33 × 48. Its
// word list starts below the bottom limit, so the one word goes to page 2.
OsmDocument widestOnA4() {
    OsmDocument document = OsmDocument::blank(33, 48);
    for (int column = 1; column <= 33; ++column) document.cell(column, 1).text = std::string(1, static_cast<char>('a' + column % 26));
    for (int row = 2; row <= 48; ++row) document.cell(33, row).text = "z";
    document.cell(33, 48).text = "CH";
    document.cell(1, 48).text = "@";
    document.words = {"konec"};
    return document;
}

// Five by three full of letters and no words: the grid alone.
OsmDocument noWords() {
    OsmDocument document = OsmDocument::blank(5, 3);
    for (int row = 1; row <= 3; ++row)
        for (int column = 1; column <= 5; ++column) document.cell(column, row).text = "O";
    document.cell(2, 2).text = "CH";
    return document;
}

const std::vector<std::pair<std::string, std::function<OsmDocument()>>>& recordedDocuments() {
    static const std::vector<std::pair<std::string, std::function<OsmDocument()>>> documents = {
        {"ten by ten", tenByTen}, {"long list", longList}, {"widest on A4", widestOnA4}, {"no words", noWords}};
    return documents;
}

std::vector<std::string> printed(const OsmDocument& document) {
    RecordingCanvas canvas;  // A4 at 300 pixels per inch
    drawWordSearchPrint(canvas, document, osmprint::labelFont());
    std::vector<std::string> lines;
    for (const auto& op : canvas.operations()) lines.push_back(describe(op));
    return lines;
}

std::filesystem::path recordingFile() { return testDataFolder() / "wordsearch" / "fixtures" / "print_operations.txt"; }

// The recording: "[name]" starts a document's operations; "#" lines are comments.
std::map<std::string, std::vector<std::string>> readRecording() {
    std::map<std::string, std::vector<std::string>> recorded;
    const auto lines = readLines(recordingFile());
    if (!lines) return recorded;
    std::vector<std::string>* current = nullptr;
    for (const std::string& line : *lines) {
        if (line.empty() || line[0] == '#') continue;
        if (line.front() == '[' && line.back() == ']')
            current = &recorded[line.substr(1, line.size() - 2)];
        else if (current)
            current->push_back(line);
    }
    return recorded;
}

TEST(WordSearchPrintRecording, EveryOperationIsAsRecorded) {
    const auto recorded = readRecording();
    ASSERT_EQ(recorded.size(), recordedDocuments().size()) << "cannot read " << recordingFile();
    for (const auto& [name, make] : recordedDocuments()) {
        SCOPED_TRACE(name);
        const auto it = recorded.find(name);
        ASSERT_NE(it, recorded.end());
        const std::vector<std::string>& expected = it->second;
        const std::vector<std::string> actual = printed(make());
        EXPECT_EQ(actual.size(), expected.size());
        for (std::size_t i = 0; i < std::min(actual.size(), expected.size()); ++i)
            ASSERT_EQ(actual[i], expected[i]) << "operation " << i + 1;
    }
}

}  // namespace

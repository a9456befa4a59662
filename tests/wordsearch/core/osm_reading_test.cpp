// What an .osm reader takes: files within the size of a document only, and
// exactly the texts the writer can store again.

#include "wordsearch/core/osm_file.h"

#include "support/core/big_files.h"
#include "support/core/temp_folder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using K = FileError::Kind;

// A 2 x 2 puzzle as lines: sizes, text and colour of four cells, both phrases,
// the count and the words.
const std::vector<std::string> kGoodLines = {"2",    "2",    "A",    "16777215", "B", "255", "C", "16777215",
                                             "D",    "16777215", "ABCD", "abcd", "2", "ab",  "cd"};

std::string crlf(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

}  // namespace

TEST(OsmFile, AFileOverTheDocumentLimitIsRefusedWithoutTakingItsSize) {
    TempFolder folder;
    struct Case {
        const char* what;
        std::uint64_t size;
        bool sparse;  // else line ends
    };
    const Case cases[] = {
        {"a sparse file of 3 GB", 3ull << 30, true},
        {"100 MB of line ends", 100ull << 20, false},
    };
    for (const Case& c : cases) {
        const auto path = folder / "big.osm";
        if (c.sparse) makeSparseFile(path, c.size);
        else makeRepeatedFile(path, '\n', c.size);
        OsmReadResult read;
        const std::uint64_t rise = peakMemoryRise([&] { read = readOsmFile(path); });
        ASSERT_TRUE(std::holds_alternative<FileError>(read)) << c.what;
        const FileError& error = std::get<FileError>(read);
        EXPECT_EQ(error.kind, K::TooLarge) << c.what;
        EXPECT_EQ(error.size, c.size) << c.what;
        EXPECT_EQ(error.limit, fileLimit::document) << c.what;
        EXPECT_LT(rise, 16u << 20) << c.what << ": peak memory rose by " << rise << " bytes";
        std::filesystem::remove(path);
    }
    // The largest document still opens (its typed phrase is cut on reading).
    std::vector<std::string> lines = kGoodLines;
    lines[11].resize(fileLimit::document - crlf(kGoodLines).size() + 4, 'x');
    const auto path = folder.write("limit.osm", crlf(lines));
    ASSERT_EQ(std::filesystem::file_size(path), fileLimit::document);
    EXPECT_TRUE(std::holds_alternative<OsmDocument>(readOsmFile(path)));
}

// Every line end a file may hold, on text and number lines: what opens saves
// again and reads back the same; a CR inside a line is refused on opening.
TEST(OsmFile, LineEndsOpenAsTheWriterCanSaveThem) {
    struct Case {
        const char* what;
        std::size_t line;      // index into kGoodLines
        std::string raw;       // the line with its end, in place of line + CR LF
        int errorLine;         // 0: opens
        K kind = K::BadValue;
    };
    const Case cases[] = {
        {"stray CR before CR LF on a cell", 2, "A\r\r\n", 0},
        {"LF alone on a cell", 2, "A\n", 0},
        {"stray CRs on a colour", 5, "255\r\r\r\n", 0},
        {"stray CR on the typed phrase", 11, "abcd\r\r\n", 0},
        {"CR at the end of the file", 14, "cd\r", 0},
        {"CR inside a cell", 2, "A\rB\r\n", 3},
        {"CR before a cell's letter", 4, "\rB\r\n", 5},
        {"CR inside the processed phrase", 10, "AB\rCD\r\n", 11},
        {"CR inside a word", 13, "a\rb\r\n", 14},
        {"CR inside a colour", 5, "2\r55\r\n", 6, K::NotANumber},
    };
    TempFolder folder;
    const std::string canonical = crlf(kGoodLines);
    for (const Case& c : cases) {
        std::string text;
        for (std::size_t i = 0; i < kGoodLines.size(); ++i) text += i == c.line ? c.raw : kGoodLines[i] + "\r\n";
        const OsmReadResult read = parseOsm(text);
        if (c.errorLine) {
            ASSERT_TRUE(std::holds_alternative<FileError>(read)) << c.what;
            EXPECT_EQ(std::get<FileError>(read).kind, c.kind) << c.what;
            EXPECT_EQ(std::get<FileError>(read).line, c.errorLine) << c.what;
            continue;
        }
        ASSERT_TRUE(std::holds_alternative<OsmDocument>(read)) << c.what;
        const OsmDocument& document = std::get<OsmDocument>(read);
        ASSERT_TRUE(writeOsmFile(folder / "saved.osm", document)) << c.what;
        EXPECT_EQ(folder.read("saved.osm"), canonical) << c.what;
        const OsmReadResult again = readOsmFile(folder / "saved.osm");
        ASSERT_TRUE(std::holds_alternative<OsmDocument>(again)) << c.what;
        EXPECT_EQ(std::get<OsmDocument>(again), document) << c.what;
    }
}

// The writer refuses a text exactly when no reading could give it back.
TEST(OsmFile, TheWriterRefusesExactlyTheTextsNoFileCanHold) {
    const std::string texts[] = {"", "A", " a b ", "\x9E\xE1\x62", "a\tb", std::string(1, '\0'), "ch", "CH", "cha", "@@",
                                 "a\rb", "a\r", "\ra", "a\nb", "a\r\nb", "\n"};
    struct Place {
        const char* what;
        void (*put)(OsmDocument&, const std::string&);
    };
    const Place places[] = {
        {"cell", [](OsmDocument& d, const std::string& t) { d.cell(2, 1).text = t; }},
        {"processed phrase", [](OsmDocument& d, const std::string& t) { d.processedPhrase = t; }},
        {"typed phrase", [](OsmDocument& d, const std::string& t) { d.typedPhrase = t; }},
        {"word", [](OsmDocument& d, const std::string& t) { d.words.push_back(t); }},
    };
    TempFolder folder;
    for (const Place& place : places) {
        for (const std::string& text : texts) {
            OsmDocument document = OsmDocument::blank(2, 2);
            place.put(document, text);
            const OsmReadResult reread = parseOsm(crlf(osmLines(document)));
            const bool givenBack =
                std::holds_alternative<OsmDocument>(reread) && std::get<OsmDocument>(reread) == document;
            EXPECT_EQ(writeOsmFile(folder / "x.osm", document), givenBack) << place.what << ": " << text;
        }
    }
}

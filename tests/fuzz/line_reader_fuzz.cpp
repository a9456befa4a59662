// The one line reader under every file format: a parser that takes every line as text sees
// one line per line end (and a last line without one), each line exactly its stretch of the
// file less the line end, and the lines written with CR LF read again as the same lines.
// Reading past the last line is refused as an early end naming the line after it.

#include "tests/fuzz/fuzz_check.h"

#include <string>
#include <variant>
#include <vector>

namespace {

struct Lines {
    std::vector<std::string> texts;
    std::size_t counted = 0;
};

Lines takeEveryLine(LineCursor& cursor) {
    Lines lines;
    while (!cursor.atEnd()) {
        lines.texts.emplace_back(cursor.text());
        ++lines.counted;
        fuzzCheck(static_cast<std::size_t>(cursor.lineNumber()) == lines.counted,
                  "the cursor's line number is not the number of lines taken");
    }
    return lines;
}

std::vector<std::string> readEveryLine(std::string_view bytes) {
    auto read = parseWholeFile(bytes, takeEveryLine);
    const auto* lines = std::get_if<Lines>(&read);
    fuzzCheck(lines != nullptr, "taking lines only as text was refused");
    fuzzCheck(lines->counted == lines->texts.size(), "lines were counted that were not taken");
    return lines->texts;
}

// Each line is its stretch of the bytes up to the next LF, less the CRs of its line end.
void checkStretches(std::string_view bytes, const std::vector<std::string>& lines) {
    std::size_t start = 0;
    for (const std::string& line : lines) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos) end = bytes.size();
        const std::string_view stretch = bytes.substr(start, end - start);
        fuzzCheck(stretch.substr(0, line.size()) == line, "a line is not the start of its stretch of the file");
        fuzzCheck(stretch.size() >= line.size() &&
                      stretch.substr(line.size()).find_first_not_of('\r') == std::string_view::npos,
                  "a line lost content other than the CRs of its line end");
        start = end + 1;
    }
}

// Numbers of every line through the one number parser: what parses is a sign and digits, and
// the number written out parses as the same number.
void checkNumbers(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        const auto value = parseNumber(line, INT64_MIN, INT64_MAX);
        if (!value) continue;
        const std::size_t sign = line[0] == '+' || line[0] == '-' ? 1 : 0;
        fuzzCheck(line.size() > sign && line.find_first_not_of("0123456789", sign) == std::string::npos,
                  "a line other than a sign and digits parsed as a number");
        fuzzCheck(parseNumber(std::to_string(*value), *value, *value) == value,
                  "a number written out does not parse as the same number");
    }
}

}  // namespace

GRILPAD_FUZZ_TARGET {
    const std::string_view bytes = fuzzBytes(data, size);
    const std::vector<std::string> lines = readEveryLine(bytes);
    fuzzCheck(lines.size() == lineCountOf(bytes), "not one line per line end");
    checkStretches(bytes, lines);
    checkNumbers(lines);

    fuzzCheck(readEveryLine(writtenBytes(lines)) == lines, "lines written with CR LF read as other lines");

    const auto past = parseWholeFile(bytes, [](LineCursor& cursor) {
        for (;;) cursor.text();
        return 0;
    });
    const auto* error = std::get_if<FileError>(&past);
    fuzzCheck(error != nullptr, "reading past the last line was not refused");
    fuzzCheck(error->kind == FileError::Kind::EndOfFile && static_cast<std::size_t>(error->line) == lines.size() + 1,
              "reading past the last line does not name the line after it as an early end");
    return 0;
}

// The one line reader under every file format: a parser that takes every line as text sees one
// line per line end (and a last line without one), each line exactly its stretch of the file
// less the CRs of its line end, and the lines written with CR LF read again as the same lines.
// A line that still holds a CR may be refused as a bad value (no document could store it), and
// reading past the last line is refused as an early end naming the line after it.

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

// The stretches of the bytes between line feeds; a last one without its LF counts when it
// holds anything.
std::vector<std::string_view> stretchesOf(std::string_view bytes) {
    std::vector<std::string_view> stretches;
    for (std::size_t start = 0; start < bytes.size();) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos) end = bytes.size();
        stretches.push_back(bytes.substr(start, end - start));
        start = end + 1;
    }
    return stretches;
}

// Each line is its stretch less the CRs of its line end.
void checkLines(const std::vector<std::string>& lines, const std::vector<std::string_view>& stretches) {
    fuzzCheck(lines.size() == stretches.size(), "not one line per line end");
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        const std::string_view stretch = stretches[i];
        fuzzCheck(stretch.substr(0, line.size()) == line, "a line is not the start of its stretch of the file");
        fuzzCheck(stretch.size() >= line.size() &&
                      stretch.substr(line.size()).find_first_not_of('\r') == std::string_view::npos,
                  "a line lost content other than the CRs of its line end");
    }
}

// Every line through the one number parser: what parses is a sign and digits, and the number
// written out parses as the same number.
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
    const std::vector<std::string_view> stretches = stretchesOf(bytes);

    const auto read = parseWholeFile(bytes, takeEveryLine);
    if (const auto* error = std::get_if<FileError>(&read)) {
        checkRefusal(*error, bytes);
        fuzzCheck(error->kind == FileError::Kind::BadValue &&
                      stretches[static_cast<std::size_t>(error->line) - 1].find('\r') != std::string_view::npos,
                  "a line was refused as text that holds no CR");
        return 0;
    }
    const Lines& lines = std::get<Lines>(read);
    fuzzCheck(lines.counted == lines.texts.size(), "lines were counted that were not taken");
    checkLines(lines.texts, stretches);
    checkNumbers(lines.texts);

    const auto again = parseWholeFile(writtenBytes(lines.texts), takeEveryLine);
    const auto* reread = std::get_if<Lines>(&again);
    fuzzCheck(reread != nullptr && reread->texts == lines.texts, "lines written with CR LF read as other lines");

    const auto past = parseWholeFile(bytes, [](LineCursor& cursor) {
        for (;;) cursor.text();
        return 0;
    });
    const auto* error = std::get_if<FileError>(&past);
    fuzzCheck(error != nullptr && error->kind == FileError::Kind::EndOfFile &&
                  static_cast<std::size_t>(error->line) == lines.texts.size() + 1,
              "reading past the last line is not refused as an early end naming the line after it");
    return 0;
}

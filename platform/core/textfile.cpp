#include "platform/core/textfile.h"

#include <fstream>

std::optional<std::string> readFileBytes(const std::filesystem::path& path) {
    // A folder opens like a file here but has no content to read.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes;
    in.seekg(0, std::ios::end);
    const auto size = in.tellg();
    if (size > 0) {
        bytes.resize(static_cast<std::size_t>(size));
        in.seekg(0, std::ios::beg);
        in.read(bytes.data(), size);
        if (!in) return std::nullopt;
    }
    return bytes;
}

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        const bool last = end == std::string_view::npos;
        if (last) end = text.size();
        std::size_t stop = end;
        if (!last && stop > start && text[stop - 1] == '\r') --stop;
        lines.push_back(text.substr(start, stop - start));
        start = end + 1;
    }
    return lines;
}

std::optional<std::vector<std::string>> readLines(const std::filesystem::path& path) {
    const auto bytes = readFileBytes(path);
    if (!bytes) return std::nullopt;
    std::vector<std::string> lines;
    for (std::string_view line : splitLines(*bytes)) lines.emplace_back(line);
    return lines;
}

std::optional<std::int64_t> parseNumber(std::string_view text, std::int64_t min, std::int64_t max) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (i == text.size()) return std::nullopt;
    // Accumulate as a negative number so the most negative value fits.
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') return std::nullopt;
        const int digit = c - '0';
        if (value < (INT64_MIN + digit) / 10) return std::nullopt;
        value = value * 10 - digit;
    }
    if (!negative) {
        if (value == INT64_MIN) return std::nullopt;
        value = -value;
    }
    if (value < min || value > max) return std::nullopt;
    return value;
}

std::string_view LineCursor::text() {
    if (next_ >= lines_.size()) throw FileFormatError({FileError::Kind::EndOfFile, static_cast<int>(next_ + 1)});
    return lines_[next_++];
}

std::int64_t LineCursor::number(std::int64_t min, std::int64_t max) {
    const std::string_view t = text();
    if (const auto value = parseNumber(t, min, max)) return *value;
    fail(parseNumber(t, INT64_MIN, INT64_MAX) ? FileError::Kind::OutOfRange : FileError::Kind::NotANumber);
}

bool LineCursor::boolean() {
    const std::string_view t = text();
    auto equalsIgnoringCase = [](std::string_view a, std::string_view b) {
        if (a.size() != b.size()) return false;
        for (std::size_t i = 0; i < a.size(); ++i) {
            char c = a[i];
            if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
            if (c != b[i]) return false;
        }
        return true;
    };
    if (equalsIgnoringCase(t, "TRUE")) return true;
    if (equalsIgnoringCase(t, "FALSE")) return false;
    fail(FileError::Kind::BadValue);
}

void LineCursor::fail(FileError::Kind kind) const {
    throw FileFormatError({kind, static_cast<int>(next_)});
}

#include "platform/core/textfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
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

namespace {
// The file-creation mask, read without changing it (umask() itself would).
mode_t processUmask() {
    static const mode_t mask = [] {
        std::ifstream status("/proc/self/status");
        std::string key;
        while (status >> key) {
            if (key == "Umask:") {
                std::string octal;
                status >> octal;
                return static_cast<mode_t>(std::stoul(octal, nullptr, 8));
            }
        }
        return static_cast<mode_t>(022);
    }();
    return mask;
}
}  // namespace

bool writeFileAtomic(const std::filesystem::path& path, std::string_view bytes) {
    namespace fs = std::filesystem;
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    std::string pattern = (folder / ("." + path.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) return false;
    const fs::path temporary(pattern);

    bool ok = true;
    std::size_t written = 0;
    while (ok && written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) ok = false;
        else written += static_cast<std::size_t>(n);
    }
    if (ok && ::fsync(fd) != 0) ok = false;
    // mkstemp makes a private file; give the new file the permissions the old one
    // had, or those any new file of the user gets.
    if (ok) {
        struct stat old {};
        ::fchmod(fd, ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : (0666 & ~processUmask()));
    }
    if (::close(fd) != 0) ok = false;
    if (ok && std::rename(temporary.c_str(), path.c_str()) != 0) ok = false;
    if (!ok) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
    }
    return ok;
}

bool writeLinesAtomic(const std::filesystem::path& path, const std::vector<std::string>& lines) {
    LineWriter writer;
    for (const std::string& line : lines) writer.line(line);
    return writer.commit(path);
}

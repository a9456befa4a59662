#include "platform/core/textfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>

namespace {

// An open file descriptor, closed when it goes.
class OpenFile {
public:
    // Opens a regular file for reading. A FIFO or device could block or never
    // end, and a folder has no content: those count as not opened.
    explicit OpenFile(const std::filesystem::path& path) {
        fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
        if (fd_ < 0) return;
        struct stat status {};
        if (::fstat(fd_, &status) != 0 || !S_ISREG(status.st_mode)) {
            close();
            return;
        }
        size_ = static_cast<std::uint64_t>(status.st_size);
        const int flags = ::fcntl(fd_, F_GETFL);
        if (flags >= 0) ::fcntl(fd_, F_SETFL, flags & ~O_NONBLOCK);
    }
    ~OpenFile() { close(); }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;

    bool isOpen() const { return fd_ >= 0; }
    std::uint64_t size() const { return size_; }  // as the file system tells it

    // Reads up to `count` bytes into `data`: the bytes read, 0 at the end, -1 on an error.
    ssize_t read(char* data, std::size_t count) {
        for (;;) {
            const ssize_t n = ::read(fd_, data, count);
            if (n >= 0 || errno != EINTR) return n;
        }
    }

    // Fills `data` from the file; the bytes read, fewer at the end, -1 on an error.
    ssize_t readFully(char* data, std::size_t count) {
        std::size_t done = 0;
        while (done < count) {
            const ssize_t n = read(data + done, count - done);
            if (n < 0) return -1;
            if (n == 0) break;
            done += static_cast<std::size_t>(n);
        }
        return static_cast<ssize_t>(done);
    }

private:
    void close() {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
    }

    int fd_ = -1;
    std::uint64_t size_ = 0;
};

FileError tooLarge(std::uint64_t size, std::uint64_t limit) {
    FileError error{FileError::Kind::TooLarge, 0};
    error.size = size;
    error.limit = limit;
    return error;
}

}  // namespace

ReadResult<std::string> readFileBytes(const std::filesystem::path& path, std::uint64_t limit) {
    const FileError cannotOpen{FileError::Kind::CannotOpen, 0};
    OpenFile file(path);
    if (!file.isOpen()) return cannotOpen;
    if (file.size() > limit) return tooLarge(file.size(), limit);
    try {
        // The size the file tells first, in one piece.
        std::string bytes(static_cast<std::size_t>(file.size()), '\0');
        const ssize_t read = file.readFully(bytes.data(), bytes.size());
        if (read < 0) return cannotOpen;
        bytes.resize(static_cast<std::size_t>(read));
        // Then whatever follows: the file may have grown, or tells no size at all
        // (as the files under /proc do). The limit holds for these bytes too.
        char chunk[64 * 1024];
        for (;;) {
            const ssize_t n = file.read(chunk, sizeof chunk);
            if (n < 0) return cannotOpen;
            if (n == 0) break;
            const std::uint64_t size = bytes.size() + static_cast<std::uint64_t>(n);
            if (size > limit) return tooLarge(size, limit);
            bytes.append(chunk, static_cast<std::size_t>(n));
        }
        return bytes;
    } catch (const std::bad_alloc&) {
        return FileError{FileError::Kind::OutOfMemory, 0};
    }
}

std::optional<std::string> readFileStart(const std::filesystem::path& path, std::size_t count) {
    OpenFile file(path);
    if (!file.isOpen()) return std::nullopt;
    std::string bytes(count, '\0');
    const ssize_t read = file.readFully(bytes.data(), count);
    if (read < 0) return std::nullopt;
    bytes.resize(static_cast<std::size_t>(read));
    return bytes;
}

std::string_view LineSplitter::next() {
    if (atEnd()) return {};
    std::size_t end = text_.find('\n', next_);
    if (end == std::string_view::npos) end = text_.size();
    std::size_t stop = end;
    while (stop > next_ && text_[stop - 1] == '\r') --stop;
    const std::string_view line = text_.substr(next_, stop - next_);
    next_ = end + 1;
    return line;
}

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    forEachLine(text, [&lines](std::string_view line) { lines.push_back(line); });
    return lines;
}

std::optional<std::vector<std::string>> readLines(const std::filesystem::path& path, std::uint64_t limit) {
    const ReadResult<std::string> bytes = readFileBytes(path, limit);
    if (!std::holds_alternative<std::string>(bytes)) return std::nullopt;
    std::vector<std::string> lines;
    forEachLine(std::get<std::string>(bytes), [&lines](std::string_view line) { lines.emplace_back(line); });
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

std::string_view LineCursor::take() {
    if (lines_.atEnd()) throw FileFormatError({FileError::Kind::EndOfFile, static_cast<int>(taken_ + 1)});
    ++taken_;
    return lines_.next();
}

std::string_view LineCursor::text() {
    const std::string_view line = take();
    if (line.find('\r') != std::string_view::npos) refuse(FileError::Expected::TextWithoutCR);
    return line;
}

namespace {

// A line that holds a sign and digits only is a number, however many digits
// it has: one too large for any range is out of range, not "no number".
bool looksLikeNumber(std::string_view text) {
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) text.remove_prefix(1);
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

}  // namespace

std::int64_t LineCursor::number(std::int64_t min, std::int64_t max) {
    const std::string_view t = take();
    if (const auto value = parseNumber(t, min, max)) return *value;
    if (!looksLikeNumber(t)) fail(FileError::Kind::NotANumber);
    FileError error{FileError::Kind::OutOfRange, lineNumber()};
    error.expected = FileError::Expected::Number;
    error.min = min;
    error.max = max;
    throw FileFormatError(std::move(error));
}

std::int64_t LineCursor::numberOf(std::initializer_list<std::int64_t> allowed) {
    const std::string_view t = take();
    const auto value = parseNumber(t, INT64_MIN, INT64_MAX);
    for (const std::int64_t a : allowed)
        if (value == a) return a;
    if (!looksLikeNumber(t)) fail(FileError::Kind::NotANumber);
    FileError error{FileError::Kind::OutOfRange, lineNumber()};
    error.expected = FileError::Expected::Number;
    error.allowed = allowed;
    throw FileFormatError(std::move(error));
}

bool LineCursor::boolean(bool otherwise) {
    const std::string_view t = take();
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
    return otherwise;
}

void LineCursor::fail(FileError::Kind kind) const {
    throw FileFormatError({kind, static_cast<int>(taken_)});
}

void LineCursor::refuse(FileError::Expected expected, std::int64_t max) const {
    FileError error{FileError::Kind::BadValue, lineNumber()};
    error.expected = expected;
    error.max = max;
    throw FileFormatError(std::move(error));
}

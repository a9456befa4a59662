#pragma once
// Line-based files: the one reader, the one number parser and the one writer.
//
// Reading: CR LF and LF line ends are both accepted and stripped; the content of
// a line is never touched. Writing: whole files only, CR LF after every line,
// through a temporary file in the target folder that is renamed over the target,
// so a failed write leaves the previous file whole.

#include <cstdint>
#include <filesystem>
#include <type_traits>
#include <utility>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// Why reading a file failed. `line` counts from 1; 0 when the failure is not
// tied to a line (the file could not be opened or read at all).
struct FileError {
    enum class Kind {
        CannotOpen,    // missing or unreadable
        EndOfFile,     // the file ended where a line was expected
        NotANumber,    // a line that must hold a number does not
        OutOfRange,    // a number outside the values the format allows
        BadValue,      // any other line that does not fit the format
    };
    Kind kind = Kind::CannotOpen;
    int line = 0;
};

// Thrown by LineCursor; parsers catch it once and hand the FileError upwards.
struct FileFormatError : std::runtime_error {
    explicit FileFormatError(FileError e) : std::runtime_error("file format error"), error(e) {}
    FileError error;
};

// The whole content of a file, or nothing when it cannot be opened or read.
std::optional<std::string> readFileBytes(const std::filesystem::path& path);

// Splits text into lines: "\n" ends a line and a "\r" right before it is dropped.
// A last line without an end still counts; an empty text has no lines.
std::vector<std::string_view> splitLines(std::string_view text);

// Reads a file into lines (see splitLines).
std::optional<std::vector<std::string>> readLines(const std::filesystem::path& path);

// The strict number parser: optional sign, then decimal digits, nothing else
// (no blanks). Nothing when the text is no number or lies outside [min, max].
std::optional<std::int64_t> parseNumber(std::string_view text, std::int64_t min, std::int64_t max);

// Walks the lines of a file for a parser, throwing FileFormatError with the line number.
class LineCursor {
public:
    explicit LineCursor(std::vector<std::string_view> lines) : lines_(std::move(lines)) {}

    bool atEnd() const { return next_ >= lines_.size(); }
    int lineNumber() const { return static_cast<int>(next_); }  // the line last taken, from 1

    std::string_view text();                                  // next line as it stands
    std::int64_t number(std::int64_t min, std::int64_t max);  // next line as a number in range
    bool boolean();                                           // "TRUE"/"FALSE", any case
    [[noreturn]] void fail(FileError::Kind kind) const;       // reject the line last taken

private:
    std::vector<std::string_view> lines_;
    std::size_t next_ = 0;
};

// What reading a whole file gives: the model, checked whole, or why it failed.
template <class Model>
using ReadResult = std::variant<Model, FileError>;

// The one shape of every file reader: the bytes are split into lines, `parse`
// takes them one by one through the cursor and builds a fresh model, and a
// FileFormatError it throws becomes the error naming the line. Nothing but a
// fully parsed model or the error comes back.
template <class Parse, class Model = std::invoke_result_t<Parse, LineCursor&>>
ReadResult<Model> parseWholeFile(std::string_view bytes, Parse&& parse) {
    try {
        LineCursor lines(splitLines(bytes));
        return parse(lines);
    } catch (const FileFormatError& e) {
        return e.error;
    }
}

// The same from a file; CannotOpen (line 0) when it cannot be read at all.
template <class Parse, class Model = std::invoke_result_t<Parse, LineCursor&>>
ReadResult<Model> readWholeFile(const std::filesystem::path& path, Parse&& parse) {
    const auto bytes = readFileBytes(path);
    if (!bytes) return FileError{FileError::Kind::CannotOpen, 0};
    return parseWholeFile(*bytes, std::forward<Parse>(parse));
}

// Writes `bytes` as the whole new content of `path`; false when anything failed,
// in which case `path` is as it was before. A symbolic link stays a link and the
// file at the end of its chain gets the content. The file keeps its owner, group
// and mode as far as the process may set them; a new file gets 0666 less the
// umask. Leftovers of earlier saves of the same file that were killed midway are
// removed. (In atomic_writer.cpp.)
bool writeFileAtomic(const std::filesystem::path& path, std::string_view bytes);

// Writes every line followed by CR LF, atomically.
bool writeLinesAtomic(const std::filesystem::path& path, const std::vector<std::string>& lines);

// Collects the lines of a file being written.
class LineWriter {
public:
    void line(std::string_view text) {
        out_.append(text);
        out_ += "\r\n";
    }
    void number(std::int64_t value) { line(std::to_string(value)); }
    void boolean(bool value) { line(value ? "TRUE" : "FALSE"); }
    const std::string& bytes() const { return out_; }
    bool commit(const std::filesystem::path& path) const { return writeFileAtomic(path, out_); }

private:
    std::string out_;
};

#pragma once
// Line-based files: the one reader, the one number parser and the one writer.
//
// Reading: a line ends at LF; CRs right before the LF, or at the very end of the
// text, belong to the line end and are dropped, so CR LF, LF and stray "\r\r\n"
// ends all read the same. Any other CR is content and stays. A file is read only
// up to the limit of its kind, and lines are walked one at a time, never held in
// a table of their own. Writing: whole files only, CR LF after every line,
// through a temporary file in the target folder that is renamed over the target,
// so a failed write leaves the previous file whole. A file this process may not
// write is never replaced.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <new>
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
        TooLarge,      // the file holds more bytes than its kind may: see size and limit
        OutOfMemory,   // memory ran out while the file was read or parsed
    };
    // What the refused line should have held, so that the message can say it.
    enum class Expected {
        Unsaid,         // nothing more than the kind of failure
        Number,         // OutOfRange: a number from `min` to `max`, or one of `allowed` when given
        TextWithoutCR,  // a text line: no CR inside it
        CellText,       // a cell: empty, one character, the letter "ch" or "@"
        DigitCellText,  // a cell: empty, one digit or "@"
        Digits,         // 1 to `max` digits and nothing else
        PhraseLetters,  // a phrase of at most `max` different letters
        WordLetters,    // a word of at most `max` letters, the longer side of the grid
    };
    Kind kind = Kind::CannotOpen;
    int line = 0;
    // TooLarge only: the bytes found (at least; a file that grew while it was
    // read may hold more) and the most bytes a file of its kind may hold.
    std::uint64_t size = 0;
    std::uint64_t limit = 0;
    Expected expected = Expected::Unsaid;
    std::int64_t min = 0;
    std::int64_t max = 0;
    std::vector<std::int64_t> allowed{};
};

// Thrown by LineCursor; parsers catch it once and hand the FileError upwards.
struct FileFormatError : std::runtime_error {
    explicit FileFormatError(FileError e) : std::runtime_error("file format error"), error(e) {}
    FileError error;
};

// What reading a whole file gives: the model, checked whole, or why it failed.
template <class Model>
using ReadResult = std::variant<Model, FileError>;

// The most bytes each kind of file may hold. A larger file is refused before
// its content is read, so that no file can take the memory of the whole program.
namespace fileLimit {
inline constexpr std::uint64_t megabyte = 1024 * 1024;
// Documents of every kind. A word search of 40 x 40 with 6,000 words is well
// under 1 MB, the analyzer's largest (255 x 255 cells, 6,000 words) little more.
inline constexpr std::uint64_t document = 8 * megabyte;
inline constexpr std::uint64_t gridTemplate = 1 * megabyte;    // .sbl: at most 1,602 short lines
inline constexpr std::uint64_t wordStore = 64 * megabyte;      // dictionaries, word and clue stores
inline constexpr std::uint64_t choiceList = 1 * megabyte;      // "osmslov.sav", "krislov.sav"
}  // namespace fileLimit

// The whole content of a regular file of at most `limit` bytes. CannotOpen when
// it is missing, no regular file or cannot be read; TooLarge when it holds more
// than `limit` bytes, found from its size before reading or while reading (a
// file can grow, and some files tell no size); OutOfMemory when the memory for
// its content cannot be had.
ReadResult<std::string> readFileBytes(const std::filesystem::path& path, std::uint64_t limit);

// The first `count` bytes of a regular file (all of it when it is shorter), or
// nothing when it cannot be opened or read. Nothing after them is read.
std::optional<std::string> readFileStart(const std::filesystem::path& path, std::size_t count);

// Hands out the lines of a text one by one (see the line rule at the top). A
// last line without an end still counts; an empty text has no lines.
class LineSplitter {
public:
    explicit LineSplitter(std::string_view text) : text_(text) {}

    bool atEnd() const { return next_ >= text_.size(); }
    // The next line without its end; an empty view once atEnd().
    std::string_view next();

private:
    std::string_view text_;
    std::size_t next_ = 0;
};

// Calls `f(line)` for every line of `text`, in order.
template <class F>
void forEachLine(std::string_view text, F&& f) {
    for (LineSplitter lines(text); !lines.atEnd();) f(lines.next());
}

// The lines of a text in a table, for tools and tests that want one; readers
// walk the lines instead (LineCursor, forEachLine).
std::vector<std::string_view> splitLines(std::string_view text);

// Reads a file of at most `limit` bytes into a table of lines (see splitLines).
std::optional<std::vector<std::string>> readLines(const std::filesystem::path& path,
                                                  std::uint64_t limit = fileLimit::wordStore);

// The strict number parser: optional sign, then decimal digits, nothing else
// (no blanks). Nothing when the text is no number or lies outside [min, max].
std::optional<std::int64_t> parseNumber(std::string_view text, std::int64_t min, std::int64_t max);

// Walks the lines of a document for a parser, throwing FileFormatError with the
// line number. A text line may hold no CR: the writer cannot store one, so a
// document holding one could be opened but never saved again.
class LineCursor {
public:
    explicit LineCursor(std::string_view text) : lines_(text) {}

    bool atEnd() const { return lines_.atEnd(); }
    int lineNumber() const { return static_cast<int>(taken_); }  // the line last taken, from 1

    std::string_view text();                                  // next line; BadValue when it holds a CR
    std::int64_t number(std::int64_t min, std::int64_t max);  // next line as a number in range
    // Next line as a number that must be one of `allowed`.
    std::int64_t numberOf(std::initializer_list<std::int64_t> allowed);
    // Next line as a yes or no: "TRUE" or "FALSE" in any letter case, and
    // `otherwise` for any other text (files made elsewhere may hold one).
    bool boolean(bool otherwise);
    [[noreturn]] void fail(FileError::Kind kind) const;       // reject the line last taken
    // Rejects the line last taken as a BadValue that should have been
    // `expected` (`max`: the count that expectation names).
    [[noreturn]] void refuse(FileError::Expected expected, std::int64_t max = 0) const;

private:
    std::string_view take();  // next line as it stands

    LineSplitter lines_;
    std::size_t taken_ = 0;
};

// The one shape of every file reader: `parse` takes the lines of the bytes one
// by one through the cursor and builds a fresh model, and a FileFormatError it
// throws becomes the error naming the line. Memory running out while parsing is
// that file's failure too (OutOfMemory), never the end of the program. Nothing
// but a fully parsed model or the error comes back.
template <class Parse, class Model = std::invoke_result_t<Parse, LineCursor&>>
ReadResult<Model> parseWholeFile(std::string_view bytes, Parse&& parse) {
    try {
        LineCursor lines(bytes);
        return parse(lines);
    } catch (const FileFormatError& e) {
        return e.error;
    } catch (const std::bad_alloc&) {
        return FileError{FileError::Kind::OutOfMemory, 0};
    }
}

// The same from a file of at most `limit` bytes (see readFileBytes for the
// failures before parsing).
template <class Parse, class Model = std::invoke_result_t<Parse, LineCursor&>>
ReadResult<Model> readWholeFile(const std::filesystem::path& path, std::uint64_t limit, Parse&& parse) {
    const ReadResult<std::string> bytes = readFileBytes(path, limit);
    if (const auto* error = std::get_if<FileError>(&bytes)) return *error;
    return parseWholeFile(std::get<std::string>(bytes), std::forward<Parse>(parse));
}

// Writes `bytes` as the whole new content of `path`; false when anything failed,
// in which case `path` is as it was before. A symbolic link stays a link and the
// file at the end of its chain gets the content. The file keeps its owner, group
// and mode as far as the process may set them; a new file gets 0666 less the
// umask. Leftovers of earlier saves of the same file that were killed midway are
// removed. (In atomic_writer.cpp.)
//
// An existing file is written only when this process could open it for writing,
// and never when it has no write bit at all (for root neither); otherwise false
// and the file is untouched. When the folder takes no temporary file but the
// file may be written, it is written in place: the room for the new content is
// taken first, so a full disk or a file-size limit still leaves the old content
// whole.
bool writeFileAtomic(const std::filesystem::path& path, std::string_view bytes);

// Replaces the content of `path` by what `update` makes of the content it holds
// now, under an exclusive lock on the file that every update of it takes: the
// updates of one file from several processes follow one another, and each sees
// what the one before it wrote. `update` gets the bytes the file holds (at most
// `limit`), or nullptr when there was no file, and answers the new bytes, or
// nothing to leave the file as it is. False when the file is there but cannot be
// read (then `update` is not called), when `update` answered nothing or when the
// write failed; a file made only to be locked is removed again then.
bool updateFileAtomic(const std::filesystem::path& path, std::uint64_t limit,
                      const std::function<std::optional<std::string>(const std::string* current)>& update);

// A write over the process's file-size limit then fails like one on a full disk,
// instead of ending the process. Each program calls it once at start.
void ignoreFileSizeSignal();

// Writes every line followed by CR LF, atomically.
bool writeLinesAtomic(const std::filesystem::path& path, const std::vector<std::string>& lines);

// Whether a text holds a line break: the line writer cannot store it, since
// it would shift every later line of the file.
inline bool holdsLineBreak(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

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

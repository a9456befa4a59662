#pragma once
// The window-state file "mindgrid.ini": our own reader and writer of ini text.
//
// The text is Windows-1250 with CR LF line ends (LF alone is read too). A line
// "[name]" opens a section, a line "key=value" inside a section is a key; every
// other line (comments, garbage, keys before the first section) is kept as it
// stands and ignored. Section and key names are compared without regard to
// case (Czech letters too) and are written byte for byte as given.
//
// Reading a value trims blanks at both ends, drops one pair of matching quotes
// around it ("a" or 'b') and gives at most maxValueLength bytes. Writing
// rewrites an existing key in place, appends a new key at the end of its
// section and a new section at the end of the file, and keeps every other line.
// When a name appears twice, the first one is read and written.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace formstate {

inline constexpr std::size_t maxValueLength = 2047;

// The largest ini file read; a larger one reads as empty and is never overwritten.
inline constexpr std::uint64_t iniFileLimit = 4 * 1024 * 1024;

struct IniLine {
    enum class Kind { Other, Section, Key };
    Kind kind = Kind::Other;
    std::string text;   // the line as it stands, without its end
    std::string name;   // Section, Key: the name, blanks trimmed
    std::string value;  // Key: the text after the first "=", blanks trimmed, quotes kept

    bool operator==(const IniLine&) const = default;
};

class IniText {
public:
    IniText() = default;
    // Never fails: what is not understood stays as an Other line.
    static IniText parse(std::string_view bytes);
    // Every line followed by CR LF.
    std::string bytes() const;

    const std::vector<IniLine>& lines() const { return lines_; }

    // The value as read (trimmed, one pair of matching quotes dropped, cut to
    // maxValueLength); nothing when the section or the key is missing.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    bool hasSection(std::string_view section) const;

    // Writes `value` under the key. A line break in the value becomes a blank.
    // Throws std::invalid_argument for a section name holding a line break or
    // "]", and for a key that is empty or holds a line break or "=", or starts
    // with "[" or ";" (it would not read back as the same key).
    void setValue(std::string_view section, std::string_view key, std::string_view value);
    // Removes every section of that name with all of its lines.
    void eraseSection(std::string_view section);

    bool operator==(const IniText&) const = default;

private:
    std::vector<IniLine> lines_;
};

// The two name rules of the writer; true when the name may be written.
bool validSectionName(std::string_view section);
bool validKeyName(std::string_view key);

// Where an ini file of the given name lies: an absolute name as it is; any
// other in the folder "mindgrid" of $XDG_CONFIG_HOME when that is absolute,
// else of ~/.config. Nothing when there is no home folder.
std::optional<std::filesystem::path> iniFilePath(const std::string& name);

// A failed write of the ini file: "Unable to write to " and the path.
struct IniWriteError : std::runtime_error {
    explicit IniWriteError(const std::filesystem::path& file);
    std::filesystem::path path;
};

// The access object of one save or restore. The file is read whole on the
// first access; writes are collected in memory and reach the file only
// through commit(), in one atomic write. Without a path every read gives its
// default and nothing is written, silently.
class IniFile {
public:
    explicit IniFile(std::optional<std::filesystem::path> path);

    const std::optional<std::filesystem::path>& path() const { return path_; }

    std::string readString(std::string_view section, std::string_view key, std::string_view fallback);
    // A value of more than two characters starting "0x" or "0X" is
    // hexadecimal, any other decimal; the default when it is no number or
    // does not fit 32 bits.
    int readInteger(std::string_view section, std::string_view key, int fallback);

    void writeString(std::string_view section, std::string_view key, std::string_view value);
    void writeInteger(std::string_view section, std::string_view key, int value);
    void writeBool(std::string_view section, std::string_view key, bool value);
    void eraseSection(std::string_view section);

    // Writes the collected changes (making the folder first); IniWriteError
    // when that fails, or when a file that exists could not be read, so that
    // it is never overwritten with our lines alone. Nothing to do without
    // changes or without a path.
    void commit();

private:
    IniText& text();

    std::optional<std::filesystem::path> path_;
    std::optional<IniText> text_;
    bool unreadable_ = false;
    bool changed_ = false;
};

// The number rule of readInteger over a text.
std::optional<int> parseIniInteger(std::string_view text);

// Names of sections, keys and stored properties match ignoring letter case,
// Czech letters too.
bool sameName(std::string_view a, std::string_view b);
// The text without the blanks and tabs at its ends.
std::string_view trimBlanks(std::string_view text);
// The value of a hexadecimal digit, or -1 for any other character.
int hexDigit(char c);

}  // namespace formstate

#include "formstate/core/ini_file.h"

#include "platform/core/czech.h"
#include "platform/core/textfile.h"

#include <cstdint>
#include <cstdlib>
#include <system_error>
#include <variant>

namespace formstate {

namespace {

IniLine parseLine(std::string_view text, bool inSection) {
    IniLine line;
    line.text = std::string(text);
    const std::string_view body = trimBlanks(text);
    if (!body.empty() && body.front() == '[') {
        const std::size_t close = body.find(']');
        if (close != std::string_view::npos) {
            line.kind = IniLine::Kind::Section;
            line.name = std::string(trimBlanks(body.substr(1, close - 1)));
        }
        return line;
    }
    if (!inSection || body.empty() || body.front() == ';') return line;
    const std::size_t equals = body.find('=');
    if (equals == std::string_view::npos) return line;
    const std::string_view name = trimBlanks(body.substr(0, equals));
    if (name.empty()) return line;
    line.kind = IniLine::Kind::Key;
    line.name = std::string(name);
    line.value = std::string(trimBlanks(body.substr(equals + 1)));
    return line;
}

// What a reader gets of a stored value.
std::string readValue(std::string_view stored) {
    if (stored.size() >= 2 && stored.front() == stored.back() && (stored.front() == '"' || stored.front() == '\''))
        stored = stored.substr(1, stored.size() - 2);
    return std::string(stored.substr(0, maxValueLength));
}

// A line break (CR LF, CR or LF) becomes one blank.
std::string oneLine(std::string_view value) {
    std::string result;
    result.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (c == '\r' && i + 1 < value.size() && value[i + 1] == '\n') ++i;
        result += (c == '\r' || c == '\n') ? ' ' : c;
    }
    return result;
}

}  // namespace

bool validSectionName(std::string_view section) {
    return section.find_first_of("\r\n]") == std::string_view::npos;
}

bool validKeyName(std::string_view key) {
    const std::string_view name = trimBlanks(key);
    return !name.empty() && name.front() != '[' && name.front() != ';' &&
           name.find_first_of("\r\n=") == std::string_view::npos;
}

IniText IniText::parse(std::string_view bytes) {
    IniText result;
    bool inSection = false;
    forEachLine(bytes, [&](std::string_view text) {
        result.lines_.push_back(parseLine(text, inSection));
        inSection = inSection || result.lines_.back().kind == IniLine::Kind::Section;
    });
    return result;
}

std::string IniText::bytes() const {
    LineWriter writer;
    for (const IniLine& line : lines_) writer.line(line.text);
    return writer.bytes();
}

namespace {

// The range [header, end) of the first section of that name; header == npos when none.
struct SectionRange {
    std::size_t header = std::string::npos;
    std::size_t end = 0;
};

SectionRange findSection(const std::vector<IniLine>& lines, std::string_view section) {
    const std::string_view name = trimBlanks(section);
    SectionRange range;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].kind != IniLine::Kind::Section) continue;
        if (range.header != std::string::npos) {
            range.end = i;
            return range;
        }
        if (sameName(lines[i].name, name)) range.header = i;
    }
    range.end = lines.size();
    return range;
}

std::size_t findKey(const std::vector<IniLine>& lines, SectionRange range, std::string_view key) {
    const std::string_view name = trimBlanks(key);
    for (std::size_t i = range.header + 1; i < range.end; ++i)
        if (lines[i].kind == IniLine::Kind::Key && sameName(lines[i].name, name)) return i;
    return std::string::npos;
}

}  // namespace

std::optional<std::string> IniText::value(std::string_view section, std::string_view key) const {
    const SectionRange range = findSection(lines_, section);
    if (range.header == std::string::npos) return std::nullopt;
    const std::size_t at = findKey(lines_, range, key);
    if (at == std::string::npos) return std::nullopt;
    return readValue(lines_[at].value);
}

bool IniText::hasSection(std::string_view section) const {
    return findSection(lines_, section).header != std::string::npos;
}

void IniText::setValue(std::string_view section, std::string_view key, std::string_view value) {
    if (!validSectionName(section)) throw std::invalid_argument("ini section name holds a line break or ']'");
    if (!validKeyName(key)) throw std::invalid_argument("ini key name is empty or holds a line break or '='");
    const std::string text = std::string(trimBlanks(key)) + "=" + oneLine(value);
    const bool inSection = true;
    SectionRange range = findSection(lines_, section);
    if (range.header == std::string::npos) {
        lines_.push_back(parseLine("[" + std::string(trimBlanks(section)) + "]", false));
        lines_.push_back(parseLine(text, inSection));
        return;
    }
    const std::size_t at = findKey(lines_, range, key);
    if (at != std::string::npos) {
        lines_[at] = parseLine(text, inSection);
        return;
    }
    // After the last line of the section that is not blank.
    std::size_t insert = range.header + 1;
    for (std::size_t i = range.header + 1; i < range.end; ++i)
        if (!trimBlanks(lines_[i].text).empty()) insert = i + 1;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insert), parseLine(text, inSection));
}

void IniText::eraseSection(std::string_view section) {
    for (SectionRange range = findSection(lines_, section); range.header != std::string::npos;
         range = findSection(lines_, section))
        lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(range.header),
                     lines_.begin() + static_cast<std::ptrdiff_t>(range.end));
}

std::optional<std::filesystem::path> iniFilePath(const std::string& name) {
    const std::filesystem::path file(name);
    if (file.is_absolute()) return file;
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config && std::filesystem::path(config).is_absolute()) return std::filesystem::path(config) / "mindgrid" / file;
    const char* home = std::getenv("HOME");
    if (home && std::filesystem::path(home).is_absolute())
        return std::filesystem::path(home) / ".config" / "mindgrid" / file;
    return std::nullopt;
}

IniWriteError::IniWriteError(const std::filesystem::path& file)
    : std::runtime_error("Unable to write to " + file.string()), path(file) {}

bool sameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && czechUpperCase(a) == czechUpperCase(b);
}

std::string_view trimBlanks(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::optional<int> parseIniInteger(std::string_view text) {
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        std::int64_t value = 0;
        for (const char c : text.substr(2)) {
            const int digit = hexDigit(c);
            if (digit < 0) return std::nullopt;
            value = value * 16 + digit;
            if (value > INT32_MAX) return std::nullopt;
        }
        return static_cast<int>(value);
    }
    const auto value = parseNumber(text, INT32_MIN, INT32_MAX);
    if (!value) return std::nullopt;
    return static_cast<int>(*value);
}

IniFile::IniFile(std::optional<std::filesystem::path> path) : path_(std::move(path)) {}

IniText& IniFile::text() {
    if (text_) return *text_;
    text_.emplace();
    if (!path_) return *text_;
    const ReadResult<std::string> bytes = readFileBytes(*path_, iniFileLimit);
    if (const auto* content = std::get_if<std::string>(&bytes)) {
        *text_ = IniText::parse(*content);
        return *text_;
    }
    // A missing file is an empty one; one that is there but could not be read is left alone.
    std::error_code error;
    unreadable_ = std::filesystem::symlink_status(*path_, error).type() != std::filesystem::file_type::not_found;
    return *text_;
}

std::string IniFile::readString(std::string_view section, std::string_view key, std::string_view fallback) {
    const std::optional<std::string> value = text().value(section, key);
    return value ? *value : std::string(fallback);
}

int IniFile::readInteger(std::string_view section, std::string_view key, int fallback) {
    const std::optional<std::string> value = text().value(section, key);
    if (!value) return fallback;
    return parseIniInteger(*value).value_or(fallback);
}

void IniFile::writeString(std::string_view section, std::string_view key, std::string_view value) {
    if (!path_) return;
    text().setValue(section, key, value);
    changed_ = true;
}

void IniFile::writeInteger(std::string_view section, std::string_view key, int value) {
    writeString(section, key, std::to_string(value));
}

void IniFile::writeBool(std::string_view section, std::string_view key, bool value) {
    writeString(section, key, value ? "1" : "0");
}

void IniFile::eraseSection(std::string_view section) {
    if (!path_) return;
    text().eraseSection(section);
    changed_ = true;
}

void IniFile::commit() {
    if (!path_ || !changed_) return;
    if (unreadable_) throw IniWriteError(*path_);
    std::error_code error;
    std::filesystem::create_directories(path_->parent_path(), error);
    if (error || !writeFileAtomic(*path_, text_->bytes())) throw IniWriteError(*path_);
    changed_ = false;
}

}  // namespace formstate

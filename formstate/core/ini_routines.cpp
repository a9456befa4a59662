#include "formstate/core/ini_routines.h"

#include <system_error>

namespace formstate {

std::string iniGetString(IniFile* ini, std::string_view section, std::string_view key, std::string_view fallback) {
    return ini ? ini->readString(section, key, fallback) : std::string(fallback);
}

void iniPutString(IniFile* ini, std::string_view section, std::string_view key, std::string_view value) {
    if (!ini) return;
    const bool quoted = !value.empty() && value.front() == value.back() && value.size() >= 2 &&
                        (value.front() == '"' || value.front() == '\'');
    if (quoted) ini->writeString(section, key, "\"" + std::string(value) + "\"");
    else ini->writeString(section, key, value);
}

int iniGetInteger(IniFile* ini, std::string_view section, std::string_view key, int fallback) {
    return ini ? ini->readInteger(section, key, fallback) : fallback;
}

void iniPutInteger(IniFile* ini, std::string_view section, std::string_view key, int value) {
    if (ini) ini->writeInteger(section, key, value);
}

std::string screenSuffix(int width, int height) {
    return "(" + std::to_string(width) + "x" + std::to_string(height) + ")";
}

std::string readScreenString(IniFile* ini, std::string_view section, std::string_view name, std::string_view suffix) {
    std::string value = iniGetString(ini, section, std::string(name) + std::string(suffix), "");
    if (value.empty()) value = iniGetString(ini, section, name, "");
    return value;
}

void writeScreenString(IniFile* ini, std::string_view section, std::string_view name, std::string_view suffix,
                       std::string_view value) {
    iniPutString(ini, section, std::string(name) + std::string(suffix), value);
    iniPutString(ini, section, name, value);
}

std::string defaultIniFileName(const std::filesystem::path& programFile) {
    return programFile.filename().replace_extension(".INI").string();
}

std::string defaultIniFileName() {
    std::error_code error;
    return defaultIniFileName(std::filesystem::read_symlink("/proc/self/exe", error));
}

std::string defaultSectionName(const Component* component) {
    if (!component) return {};
    if (component->isForm()) return component->className();
    if (component->isControl()) {
        if (const Component* form = component->parentForm()) return form->className() + component->name();
        if (const Component* parent = component->parentControl()) return parent->name() + component->name();
        return component->name();
    }
    if (const Component* owner = component->owner(); owner && owner->isForm())
        return owner->className() + "." + component->name();
    return component->name();
}

namespace {

bool isDelimiter(char c, std::string_view delimiters) { return delimiters.find(c) != std::string_view::npos; }

// The index of the n-th word's first character, or npos.
std::size_t wordStart(int n, std::string_view text, std::string_view delimiters) {
    int count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (isDelimiter(text[i], delimiters)) continue;
        if (i == 0 || isDelimiter(text[i - 1], delimiters))
            if (++count == n) return i;
    }
    return std::string_view::npos;
}

}  // namespace

int wordCount(std::string_view text, std::string_view delimiters) {
    int count = 0;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!isDelimiter(text[i], delimiters) && (i == 0 || isDelimiter(text[i - 1], delimiters))) ++count;
    return count;
}

std::size_t wordPosition(int n, std::string_view text, std::string_view delimiters) {
    const std::size_t start = wordStart(n, text, delimiters);
    return start == std::string_view::npos ? 0 : start + 1;
}

std::string extractWord(int n, std::string_view text, std::string_view delimiters) {
    const std::size_t start = wordStart(n, text, delimiters);
    if (start == std::string_view::npos) return {};
    std::size_t end = start;
    while (end < text.size() && !isDelimiter(text[end], delimiters)) ++end;
    return std::string(text.substr(start, end - start));
}

std::string replaceText(std::string_view text, std::string_view from, std::string_view to) {
    if (from.empty()) return std::string(text);
    std::string result;
    std::size_t at = 0;
    for (std::size_t found = text.find(from); found != std::string_view::npos; found = text.find(from, at)) {
        result.append(text.substr(at, found - at));
        result.append(to);
        at = found + from.size();
    }
    result.append(text.substr(at));
    return result;
}

std::string scrambleStoredValue(std::string_view key, std::string_view text) {
    static constexpr char digits[] = "0123456789abcdef";
    std::string result;
    result.reserve(text.size() * 2);
    for (std::size_t i = 0; i < text.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (!key.empty()) c ^= static_cast<unsigned char>(key[i % key.size()]);
        result += digits[c >> 4];
        result += digits[c & 0xF];
    }
    return result;
}

std::string unscrambleStoredValue(std::string_view key, std::string_view text) {
    std::string result;
    result.reserve(text.size() / 2);
    for (std::size_t pair = 0; pair * 2 + 1 < text.size(); ++pair) {
        const int high = hexDigit(text[pair * 2]);
        const int low = hexDigit(text[pair * 2 + 1]);
        unsigned char c = high < 0 || low < 0 ? ' ' : static_cast<unsigned char>(high * 16 + low);
        if (!key.empty()) c ^= static_cast<unsigned char>(key[pair % key.size()]);
        result += static_cast<char>(c);
    }
    return result;
}

}  // namespace formstate

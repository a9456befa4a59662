#pragma once
// The routines over the ini access object that the placement and the stored
// properties use, the default names, and a few text routines.
//
// An access object of nullptr stands for any object that is no ini file:
// reads give their default and writes do nothing.

#include "formstate/core/component_model.h"
#include "formstate/core/ini_file.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace formstate {

std::string iniGetString(IniFile* ini, std::string_view section, std::string_view key, std::string_view fallback);
// A value that begins and ends with a double quote, or with a single quote,
// is written inside one more pair of double quotes, so it reads back whole.
void iniPutString(IniFile* ini, std::string_view section, std::string_view key, std::string_view value);
int iniGetInteger(IniFile* ini, std::string_view section, std::string_view key, int fallback);
void iniPutInteger(IniFile* ini, std::string_view section, std::string_view key, int value);

// "(%dx%d)" of a screen's width and height in pixels.
std::string screenSuffix(int width, int height);
// The key `name` + `suffix`; when that is empty, the key `name` alone.
std::string readScreenString(IniFile* ini, std::string_view section, std::string_view name, std::string_view suffix);
// The value under `name` + `suffix`, then under `name` alone.
void writeScreenString(IniFile* ini, std::string_view section, std::string_view name, std::string_view suffix,
                       std::string_view value);

// The program file's name with its extension changed to ".INI", without folder.
std::string defaultIniFileName(const std::filesystem::path& programFile);
std::string defaultIniFileName();  // of the running program
// None: empty; a form: its class name; a control on a form: the form's class
// name and the control's name; a control without a form: its parent's name
// and its name (its name alone without a parent); another component owned by
// a form: "form class.name"; else the component's name.
std::string defaultSectionName(const Component* component);

// Words are maximal runs of characters that are not in `delimiters`.
int wordCount(std::string_view text, std::string_view delimiters);
// The 1-based position of the n-th word's first character; 0 when there are fewer words.
std::size_t wordPosition(int n, std::string_view text, std::string_view delimiters);
// The n-th word; empty when there are fewer words.
std::string extractWord(int n, std::string_view text, std::string_view delimiters);

// Every occurrence of `from` replaced by `to`, searched left to right in the
// rest of the text after each match; an empty `from` changes nothing.
std::string replaceText(std::string_view text, std::string_view from, std::string_view to);

// Each byte XOR the key's byte at its position modulo the key length (the
// byte itself for an empty key), as two lower-case hexadecimal digits.
std::string scrambleStoredValue(std::string_view key, std::string_view text);
// The inverse: each pair of characters read as a hexadecimal number (a blank
// when it is none), XOR the key's byte at the pair's index; an odd last
// character is ignored.
std::string unscrambleStoredValue(std::string_view key, std::string_view text);

}  // namespace formstate

#pragma once
// The one place where Windows-1250 text of the core meets Qt's Unicode strings.

#include <QString>

#include <optional>
#include <string>
#include <string_view>

QString toQString(std::string_view text);

// Nothing when the text holds a character that Windows-1250 cannot hold; the
// caller refuses such input with a message instead of changing it.
std::optional<std::string> fromQString(const QString& text);

// True when every character of the text has a Windows-1250 byte.
bool fitsCodePage(const QString& text);

// Typed text without the blanks and control characters at its ends (every
// character up to U+0020); the rest stays as typed.
QString trimControls(const QString& text);

// The message shown when input does not fit the code page.
QString codePageRefusal();

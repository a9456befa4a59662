#pragma once
// Files as the user sees them: paths between the text of a file chooser or a
// command line and the file system, and the message for a file that could not
// be read. Both programs show them the same way.

#include "platform/core/textfile.h"

#include <QString>

#include <filesystem>

// A path of the file system from a path as the user chose or typed it, and back.
std::filesystem::path localPath(const QString& path);
QString displayPath(const std::filesystem::path& path);

// Why a file could not be read, naming the file and the line: "Soubor …
// nelze otevřít.", "Soubor … nelze načíst: …" with what the line should have
// held (the range of a number, the texts a cell may hold), or, for a file over
// the limit of its kind, "Soubor … je příliš velký (… MB), nejvýše lze načíst
// … MB.".
QString readFailureText(const QString& path, const FileError& error);

#pragma once
// Files of document windows: paths from what the user chose, the messages of
// failed reads and writes, the extension rule with its question, and grid
// templates (.sbl), which windows of every kind save and load the same way.

#include "platform/core/textfile.h"
#include "platform/ui/file_messages.h"

#include <QString>

#include <filesystem>
#include <functional>
#include <optional>
#include <string_view>

class DocumentWindow;
class QWidget;

// `path` with the extension rule applied (see withDocumentExtension).
QString withExtension(const QString& path, std::string_view extension);

// Why a document or template file could not be read, naming the file and the
// line; a size out of range names the sizes a grid may have.
QString documentReadFailureText(const QString& path, const FileError& error);
// A file could not be written; what was there before is still there.
QString writeFailureText(const QString& path);

// Asks before a chosen name turns, by the extension rule, into the name of a
// file that exists (the save chooser only asked about the name as chosen).
// True when the file may be written: the name did not change, no such file
// exists, or the user said yes.
bool mayWriteExtended(QWidget* parent, const QString& chosen, std::string_view extension);

// "Ulož šablonu": the host's template chooser (the frame's SaveSabDialog) opens in "Sablony"
// beside the program (made now when it is missing); the grid's size and which
// of its cells are visible go to the chosen file. False when cancelled or
// when the file could not be written (after a message).
bool saveGridTemplate(DocumentWindow* window);

// "Zvol šablonu": the host's OpenSabDialog opens in "Sablony" and takes a
// name typed without its extension; the extension rule completes the name
// before the file is looked for. The template is read and checked whole.
// Only a good one changes the window: `clear` runs (what the kind empties
// first), the grid takes the template's size, and each cell is shown with
// an empty text or hidden with "@". A missing or bad template is reported
// and the window stays as it was.
bool loadGridTemplate(DocumentWindow* window, const std::function<void()>& clear);

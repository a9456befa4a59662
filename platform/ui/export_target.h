#pragma once
// The file an export (or a print to PDF) writes to. The exports append their
// extension to a chosen name that lacks it; the file chooser asked about the
// name as chosen, so when the appended name belongs to a file that exists
// already, the user is asked here before it is replaced.

#include <QString>

#include <filesystem>

class QWidget;

namespace exporttarget {

// "Soubor … již existuje. Chcete ho přepsat?"
QString overwriteQuestion(const QString& path);

// True when the export may write `target`: it is the name as chosen, or no
// file of that name exists, or the user agreed to replace it.
bool mayWrite(QWidget* parent, const QString& chosen, const std::filesystem::path& target);

}  // namespace exporttarget

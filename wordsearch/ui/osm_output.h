#pragma once
// The outputs of the word-search window: printing, the spreadsheet export,
// the picture export and the shape designer. Each takes the puzzle as the
// window holds it (its grid, hidden cells as "@", and the placed words in the
// list's order) together with the shared frame objects it works with.

#include "document/ui/excel_form.h"
#include "platform/core/canvas.h"
#include "platform/ui/printing.h"
#include "wordsearch/core/osm_file.h"
#include "wordsearch/core/osm_print.h"

#include <QString>

#include <optional>

class FileChooser;
class QPrinter;
class QWidget;
class Tnavrharform;
class Tpictureform;

namespace osmoutput {

// "&Tisk": prints the puzzle on the frame's printer (a PDF file where no
// printer is installed), the job titled with the window's caption. `font` is
// the family the print uses (osmprint::labelFont()).
printing::PrintResult printWordSearch(QPrinter& printer, QWidget* parent, const QString& caption,
                                      const OsmDocument& document, const CanvasFont& font = osmprint::labelFont());

// "&Export do Excelu": asks for the file with the frame's export chooser and
// writes the workbook (".xls" appended unless the name ends in exactly
// ".xls"). Nothing when the user cancelled the chooser.
std::optional<WorkbookExport> exportWordSearch(QWidget* parent, FileChooser& exportDialog, const OsmDocument& document);

// "Uložit jako &obrázek": hands the grid to the picture window and shows it
// modally.
void showWordSearchPicture(Tpictureform& form, const OsmDocument& document);

// "Návrhář": shows the designer with the puzzle's shape. On OK the shape the
// user made, for the window to take over (applyOsmShape); nothing on
// "Storno", or when the designer's grid could not be given the puzzle's size.
std::optional<OsmShape> designWordSearch(Tnavrharform& form, const OsmDocument& document);

}  // namespace osmoutput

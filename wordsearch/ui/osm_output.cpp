#include "wordsearch/ui/osm_output.h"

#include "platform/ui/file_chooser.h"
#include "document/ui/designer_form.h"
#include "document/ui/picture_form.h"

#include <QDialog>

#include <stdexcept>

namespace osmoutput {

printing::PrintResult printWordSearch(QPrinter& printer, QWidget* parent, const QString& caption,
                                      const OsmDocument& document, const CanvasFont& font) {
    return printing::printDocument(printer, parent, caption,
                                   [&](Canvas& canvas) { drawWordSearchPrint(canvas, document, font); });
}

std::optional<WorkbookExport> exportWordSearch(QWidget* parent, FileChooser& exportDialog, const OsmDocument& document) {
    if (!exportDialog.execute(parent)) return std::nullopt;
    return exportWorkbook(parent, exportDialog.fileName(), [&](Workbook& book) {
        // A cell the workbook cannot hold fails the export rather than going
        // missing from the file.
        if (!fillWordSearchWorkbook(book, document)) throw std::runtime_error("word search does not fit the workbook");
    });
}

void showWordSearchPicture(Tpictureform& form, const OsmDocument& document) {
    fillWordSearchPicture(form, document);
    form.setTag(Tpictureform::wordSearchTag);
    form.exec();
}

std::optional<OsmShape> designWordSearch(Tnavrharform& form, const OsmDocument& document) {
    const CellGrid::ResizeResult resized = form.resizeGrid(document.columns, document.rows);
    if (resized != CellGrid::ResizeResult::resized && resized != CellGrid::ResizeResult::sameSize) return std::nullopt;
    loadDesignerShape(form.designer(), document);
    form.setTag(ShapeDesigner::wordSearchTag);
    if (form.exec() != QDialog::Accepted) return std::nullopt;
    return designerShape(form.designer());
}

}  // namespace osmoutput

#include "document/ui/document_files.h"

#include "document/core/document_kinds.h"
#include "document/core/grid_template.h"
#include "document/ui/document_host.h"
#include "document/ui/document_window.h"
#include "platform/ui/desktop.h"
#include "platform/ui/file_chooser.h"

#include <variant>

QString withExtension(const QString& path, std::string_view extension) {
    return QString::fromStdString(withDocumentExtension(path.toStdString(), extension));
}

QString documentReadFailureText(const QString& path, const FileError& error) {
    // Both kinds of file begin with the numbers of columns and rows.
    if (error.kind == FileError::Kind::OutOfRange && error.line <= 2)
        return QStringLiteral("Soubor %1 nelze načíst: velikost mřížky na řádku %2 musí být od %3 do %4.")
            .arg(path, QString::number(error.line), QString::number(minGridSide), QString::number(maxGridSide));
    return readFailureText(path, error);
}

QString writeFailureText(const QString& path) {
    return QStringLiteral("Soubor %1 se nepodařilo uložit. Jeho dosavadní obsah zůstal beze změny.").arg(path);
}

bool mayWriteExtended(QWidget* parent, const QString& chosen, std::string_view extension) {
    const QString extended = withExtension(chosen, extension);
    if (extended == chosen) return true;
    std::error_code ignored;
    if (!std::filesystem::exists(localPath(extended), ignored)) return true;
    return desktop::ask(parent, QStringLiteral("Soubor %1 již existuje. Chcete jej přepsat?").arg(extended));
}

bool saveGridTemplate(DocumentWindow* window) {
    FileChooser* chooser = documentHost() ? documentHost()->templateSaveChooser() : nullptr;
    if (!chooser) return false;
    chooser->initialFolder = displayPath(ensureGridTemplateFolder());
    if (!chooser->execute(window)) return false;
    const QString chosen = chooser->fileName();
    if (!mayWriteExtended(window, chosen, kGridTemplateExtension)) return false;

    const CellGrid& grid = window->grid();
    GridTemplate shape = GridTemplate::allVisible(grid.currentCols(), grid.currentRows());
    for (int row = 1; row <= shape.rows; ++row)
        for (int col = 1; col <= shape.columns; ++col) shape.setVisible(col, row, !grid.isHidden(col, row));
    const QString path = withExtension(chosen, kGridTemplateExtension);
    if (!writeGridTemplate(localPath(path), shape)) {
        desktop::warning(window, writeFailureText(path));
        return false;
    }
    return true;
}

bool loadGridTemplate(DocumentWindow* window, const std::function<void()>& clear) {
    FileChooser* chooser = documentHost() ? documentHost()->templateOpenChooser() : nullptr;
    if (!chooser) return false;
    chooser->initialFolder = displayPath(gridTemplateFolder());
    // A name typed without ".sbl" is found by the extension rule below.
    chooser->mustExist = false;
    if (!chooser->execute(window)) return false;
    const QString path = withExtension(chooser->fileName(), kGridTemplateExtension);
    const GridTemplateReadResult read = readGridTemplate(localPath(path));
    if (const auto* error = std::get_if<FileError>(&read)) {
        desktop::warning(window, documentReadFailureText(path, *error));
        return false;
    }
    const GridTemplate& shape = std::get<GridTemplate>(read);

    if (clear) clear();
    if (window->resizeGrid(shape.columns, shape.rows) == CellGrid::ResizeResult::noProgress) return false;
    CellGrid& grid = window->grid();
    GridCells::Batch batch(grid);
    for (int row = 1; row <= shape.rows; ++row) {
        for (int col = 1; col <= shape.columns; ++col) {
            grid.setCellText(col, row, shape.isVisible(col, row) ? std::string() : std::string(hiddenCellText));
        }
    }
    return true;
}

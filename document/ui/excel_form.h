#pragma once
// The spreadsheet export host: a small window around the workbook that an
// export fills (`xls`, a Workbook with a plain view of its current sheet) and
// then writes as an Excel 5.0/95 workbook.
//
// Every export makes a new host through exportWorkbook, which shows it,
// clears both sheets, lets the export fill the workbook, writes the file and
// closes the host, which frees itself; it closes in every case, also when
// the file could not be written.

#include "platform/core/workbook.h"

#include <QString>
#include <QWidget>

#include <functional>

// The spreadsheet of the host window.
class TF1Book : public QWidget {
    Q_OBJECT
public:
    explicit TF1Book(QWidget* parent = nullptr);

    Workbook& book() { return book_; }
    const Workbook& book() const { return book_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Workbook book_;
};

class Texcelform : public QWidget {
    Q_OBJECT
public:
    // A window of its own that is freed when it closes.
    explicit Texcelform(QWidget* parent = nullptr);

    Workbook& workbook() { return xls->book(); }

    // For sheet 1, then sheet 2: the sheet becomes current and everything in
    // it is cleared. Sheet 2 is current afterwards.
    void clearSheets();
    // Writes the workbook to exactly this path, through a temporary file and
    // a rename; false when that failed (the file is then as it was).
    bool saveWorkbook(const QString& path);

    // "Sešit nelze zapsat do souboru …"
    static QString writeFailure(const QString& path);

    TF1Book* xls;
};

enum class WorkbookExport {
    written,
    declined,  // the user would not replace a file of the appended name
    failed,    // the user has been told
};

// One export to the name the user chose. ".xls" is appended unless the name
// ends in exactly ".xls"; when that gives the name of a file that exists, the
// user is asked first. `fill` names the sheets and fills them; it receives
// the workbook with both sheets cleared and sheet 2 current.
WorkbookExport exportWorkbook(QWidget* parent, const QString& chosenPath, const std::function<void(Workbook&)>& fill);

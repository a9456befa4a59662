#pragma once
// Printing on the program's one shared printer (owned by the main window and set
// up by its printer set-up dialog).
//
// Where no printer is installed, printing asks for a PDF file name instead and
// writes the document there: at 300 pixels per inch, through a temporary file
// and a rename, so a failed job leaves no partial file. A name without ".pdf"
// gets it, and when that names a file that exists the user is asked before it
// is replaced. Cancelling the file chooser, or declining, ends quietly.

#include "platform/core/canvas.h"

#include <QString>

#include <functional>

class QPrinter;
class QWidget;

namespace printing {

enum class PrintResult {
    Printed,    // the document went to the printer or was written as PDF
    Cancelled,  // the user cancelled the PDF file name or kept the file there; nothing was drawn
    Failed,     // the printer or the file refused; the user has been told
};

// Prints one document titled `title` (the job's name). `draw` draws it on the
// canvas, starting on the first page and calling newPage for every further page.
PrintResult printDocument(QPrinter& printer, QWidget* parent, const QString& title,
                          const std::function<void(Canvas&)>& draw);

// The pixels per inch of every job, on a printer or in a PDF: the print layouts
// place everything in device pixels made for this resolution.
constexpr int printResolution = 300;

// Whether a printer is installed (QPrinterInfo::availablePrinters() not empty);
// tests replace it to choose the path they check.
std::function<bool()>& printerCheck();

}  // namespace printing

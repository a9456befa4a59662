#include "platform/ui/printing.h"

#include "platform/core/textfile.h"
#include "platform/ui/desktop.h"
#include "platform/ui/export_target.h"
#include "platform/ui/file_messages.h"
#include "platform/ui/painter_canvas.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>

namespace printing {

std::function<bool()>& printerCheck() {
    static std::function<bool()> check = [] { return !QPrinterInfo::availablePrinters().isEmpty(); };
    return check;
}

namespace {

// Runs one job on the printer as it is set up, at the resolution every print
// layout is made for; false when the device refused.
bool runJob(QPrinter& printer, const QString& title, const std::function<void(Canvas&)>& draw) {
    const int ownResolution = printer.resolution();
    printer.setResolution(printResolution);
    struct Restore {
        QPrinter& printer;
        int resolution;
        ~Restore() { printer.setResolution(resolution); }
    } restore{printer, ownResolution};
    printer.setDocName(title);
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    PainterCanvas canvas(painter, [&printer] { return printer.newPage(); });
    draw(canvas);
    const bool ended = painter.end();
    return ended && canvas.pagesOk();
}

// Points the shared printer at a PDF file for one job and gives it back its
// own settings afterwards.
class PdfOutput {
public:
    PdfOutput(QPrinter& printer, const QString& file)
        : printer_(printer), format_(printer.outputFormat()), file_(printer.outputFileName()) {
        printer_.setOutputFormat(QPrinter::PdfFormat);
        printer_.setOutputFileName(file);
    }
    ~PdfOutput() {
        printer_.setOutputFormat(format_);
        printer_.setOutputFileName(file_);
    }
    PdfOutput(const PdfOutput&) = delete;
    PdfOutput& operator=(const PdfOutput&) = delete;

private:
    QPrinter& printer_;
    QPrinter::OutputFormat format_;
    QString file_;
};

// The file a PDF print of the chosen name goes to: the name itself when it
// ends in ".pdf" (any letter case), otherwise the name with ".pdf" appended.
QString withPdfExtension(const QString& chosen) {
    if (chosen.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) return chosen;
    return chosen + QStringLiteral(".pdf");
}

}  // namespace

PrintResult printDocument(QPrinter& printer, QWidget* parent, const QString& title,
                          const std::function<void(Canvas&)>& draw) {
    if (printerCheck()()) {
        if (runJob(printer, title, draw)) return PrintResult::Printed;
        desktop::warning(parent, QStringLiteral("Tisk se nezdařil."));
        return PrintResult::Failed;
    }

    const QString chosen = desktop::chooseSaveFile(parent, QStringLiteral("Tisk do souboru PDF"),
                                                   QStringLiteral("Dokumenty PDF (*.pdf)|*.pdf"));
    if (chosen.isEmpty()) return PrintResult::Cancelled;
    const QString target = withPdfExtension(chosen);
    if (!exporttarget::mayWrite(parent, chosen, localPath(target))) return PrintResult::Cancelled;

    // The document is made beside the system's temporary files and then moved
    // into place whole.
    bool written = false;
    QTemporaryDir scratch;
    if (scratch.isValid()) {
        const QString scratchFile = scratch.filePath(QStringLiteral("print.pdf"));
        bool printed = false;
        {
            PdfOutput output(printer, scratchFile);
            printed = runJob(printer, title, draw);
        }
        QFile pdf(scratchFile);
        if (printed && pdf.open(QIODevice::ReadOnly)) {
            const QByteArray bytes = pdf.readAll();
            written = writeFileAtomic(localPath(target),
                                      std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
        }
    }
    if (written) return PrintResult::Printed;
    desktop::warning(parent, QStringLiteral("Soubor PDF nelze zapsat."));
    return PrintResult::Failed;
}

}  // namespace printing
